// The shipped notebook, level map and workshop worlds: the format limits, the pages the
// first two books promise, and that every experiment a page names can be loaded there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/BmpFile.h"
#include "bodies/GizmoChalk.h"
#include "platform/Files.h"
#include "shell/NotebookPage.h"
#include "shell/PageIndex.h"
#include "support/Fakes.h"
#include "world/LevelMap.h"

namespace {
const std::string DataDir = std::string(QUORBIT_SOURCE_DIR) + "/data";

// The page box is 229 pixels wide; at the notebook's font a line of about 38 characters
// fills it, so longer lines run off the page even though the file allows 99.
constexpr size_t PageWidthChars = 38;
constexpr size_t MaxLineChars = 99;
constexpr int MaxPageLines = 15;

std::string Read(const std::string& path) {
  auto text = ReadFileText(path);
  EXPECT_TRUE(text.has_value()) << path;
  return text.value_or("");
}

// Lines of a file kept as they are (only "\n" splits), to see what the readers would cut.
std::vector<std::string> RawLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back().push_back(c);
  }
  return lines;
}

void ExpectPlainText(const std::string& text, const std::string& what) {
  for (size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << what << ": byte " << int(c) << " at " << i;
  }
  int n = 0;
  for (const auto& line : RawLines(text)) {
    ++n;
    EXPECT_LE(line.size(), MaxLineChars) << what << " line " << n;
  }
}

struct Notebook {
  PageIndex index;
  Notebook() { index.Build(Read(DataDir + "/RedBook.pgs")); }
  std::vector<std::string> Lines(int book, int page) const { return NotebookLines(index.PageText(book, page)); }
  std::vector<std::string> TextLines(int book, int page) const {
    std::vector<std::string> text;
    for (const auto& line : Lines(book, page))
      if (!NotebookControl(line)) text.push_back(line);
    return text;
  }
  // The levels that the page's "%w" lines load.
  std::vector<int> Levels(int book, int page) const {
    std::vector<int> levels;
    for (const auto& line : Lines(book, page))
      if (NotebookControl(line) == 'w') levels.push_back(NotebookNumber(line));
    return levels;
  }
};

struct Map {
  FakeMessages messages;
  LevelMap map{&messages, DataDir};
  std::string text = Read(DataDir + "/level.map");

  std::vector<std::string> Test(int level) {
    std::vector<std::string> lines;
    size_t pos = FindLevelHeader(text, level);
    if (pos == std::string::npos || !FindTestSection(text, pos, lines)) return {};
    return lines;
  }
  // The line after the level's one-line section, empty when it has none.
  std::string OneLine(int level, const std::string& header) {
    size_t pos = FindLevelHeader(text, level);
    if (pos == std::string::npos) return {};
    auto lines = SplitLines(text.substr(pos));
    for (size_t i = 0; i + 1 < lines.size() && lines[i] != "[END]"; ++i)
      if (lines[i] == header) return lines[i + 1];
    return {};
  }
  // The level's [GIZMOS] lines, in their order.
  std::vector<std::string> Gizmos(int level) {
    std::vector<std::string> gizmos;
    size_t pos = FindLevelHeader(text, level);
    if (pos == std::string::npos) return gizmos;
    auto lines = SplitLines(text.substr(pos));
    size_t i = 0;
    while (i < lines.size() && lines[i] != "[GIZMOS]" && lines[i] != "[END]") ++i;
    for (++i; i < lines.size() && !lines[i].empty() && lines[i][0] != '['; ++i) gizmos.push_back(lines[i]);
    return gizmos;
  }
};

// The titles of books 1 and 2 as the learner's outline lists them (page 0 is the
// book's welcome, titled with the book's name). A lesson's number is the page number
// the notebook shows beside it, page + 1.
const std::vector<std::string> NeuronTitles = {
    "Book 1: The neuron", "2. A lamp that follows a switch", "3. One switch, two lamps",
    "4. Two switches, four lamps", "5. Threshold", "6. A bar graph of four lamps", "7. OR", "8. AND",
    "9. Inhibition", "10. NOT", "11. XOR", "12. The half adder", "13. What we learned"};
const std::vector<std::string> BugTitles = {"Book 2: A bug's life", "2. Walking", "3. Turning", "4. Smell",
                                            "5. The branch", "6. The shade", "7. Bumping", "8. The final garden"};

// Every "(page N" or "(book B, page N" a page cites, with the book it means.
struct Citation {
  int book, shown;
  std::string where;
};
std::vector<Citation> Citations(const Notebook& notebook) {
  std::vector<Citation> found;
  for (int b = 1; b < PageIndex::Books; ++b)
    for (int p = 0; p < notebook.index.PageCount(b); ++p) {
      std::string text;
      for (const auto& line : notebook.TextLines(b, p)) text += line + " ";
      for (size_t at = text.find('('); at != std::string::npos; at = text.find('(', at + 1)) {
        const char* from = text.c_str() + at;
        int book = b, shown = 0;
        bool cited = std::sscanf(from, "(book %d, page %d", &book, &shown) == 2;
        if (!cited) book = b, cited = std::sscanf(from, "(page %d", &shown) == 1;
        if (cited) found.push_back({book, shown, std::to_string(b) + "/" + std::to_string(p)});
      }
    }
  return found;
}
}  // namespace

TEST(NotebookContent, EveryPageKeepsToTheFormatAndFitsThePage) {
  ExpectPlainText(Read(DataDir + "/RedBook.pgs"), "RedBook.pgs");
  Notebook book;
  for (int b = 0; b < PageIndex::Books; ++b) {
    EXPECT_GE(book.index.PageCount(b), 1) << "book " << b;
    for (int p = 0; p < book.index.PageCount(b); ++p) {
      auto text = book.TextLines(b, p);
      EXPECT_LE(static_cast<int>(text.size()), MaxPageLines) << "book " << b << " page " << p;
      for (const auto& line : text) EXPECT_LE(line.size(), PageWidthChars) << b << "/" << p << ": " << line;
    }
  }
}

TEST(NotebookContent, BooksOneAndTwoHaveTheOutlinedPagesAndBookThreeItsThree) {
  Notebook book;
  const std::vector<std::string>* titles[] = {&NeuronTitles, &BugTitles};
  for (int b = 1; b <= 2; ++b) {
    const auto& want = *titles[b - 1];
    ASSERT_EQ(book.index.PageCount(b), static_cast<int>(want.size())) << "book " << b;
    for (int p = 0; p < book.index.PageCount(b); ++p) {
      auto text = book.TextLines(b, p);
      ASSERT_FALSE(text.empty());
      EXPECT_EQ(text[0], want[p]) << "book " << b << " page " << p;
    }
  }
  ASSERT_EQ(book.index.PageCount(3), 3);
  auto has = [&](int page, char control) {
    for (const auto& line : book.Lines(3, page))
      if (NotebookControl(line) == control) return true;
    return false;
  };
  EXPECT_TRUE(has(1, 'b'));
  EXPECT_TRUE(has(2, 'e'));
  EXPECT_FALSE(has(0, 'w') || has(1, 'w') || has(2, 'w'));
}

TEST(NotebookContent, APageCitedByNumberIsThePageThatShowsThatNumber) {
  Notebook notebook;
  const auto citations = Citations(notebook);
  EXPECT_GE(citations.size(), 5u);
  for (const Citation& c : citations) {
    // The notebook shows page p as p + 1; a lesson's title starts with that number.
    const int page = c.shown - 1;
    ASSERT_TRUE(page >= 0 && page < notebook.index.PageCount(c.book)) << c.where;
    const auto text = notebook.TextLines(c.book, page);
    ASSERT_FALSE(text.empty()) << c.where;
    EXPECT_EQ(text[0].rfind(std::to_string(c.shown) + ". ", 0), 0u) << c.where << " cites page " << c.shown;
  }
}

TEST(NotebookContent, EveryExperimentPageLoadsItsOwnLevelAtItsOwnKey) {
  Notebook book;
  Map map;
  ExpectPlainText(map.text, "level.map");
  for (int b : {1, 2, 7}) {
    int last = book.index.PageCount(b) - 1;
    for (int p = 0; p <= last; ++p) {
      int key = b * 100 + p;
      auto levels = book.Levels(b, p);
      if (b == 1 && p == last) {
        EXPECT_TRUE(levels.empty()) << "the closing page has no experiment";
        continue;
      }
      ASSERT_EQ(levels.size(), 1u) << "book " << b << " page " << p;
      EXPECT_EQ(levels[0], key) << "a level is numbered after the page that loads it";
      std::string missing;
      EXPECT_TRUE(map.map.LevelAvailable(levels[0], key, &missing)) << key << " needs " << missing;
      // A page with a test holds the learner until it is passed; the welcome pages have
      // none, so opening them moves the learner on.
      EXPECT_EQ(map.Test(key).empty(), p == 0) << "level " << key;
    }
  }
  EXPECT_TRUE(map.messages.shown.empty());
}

// The number under a page is its place in the book counted from 1; a heading that
// starts with a number must say the same, in every book.
TEST(NotebookContent, EveryNumberedHeadingIsThePageNumberShown) {
  Notebook book;
  int numbered = 0;
  for (int b = 1; b <= 7; ++b)
    for (int p = 0; p < book.index.PageCount(b); ++p) {
      const auto text = book.TextLines(b, p);
      ASSERT_FALSE(text.empty()) << "book " << b << " page " << p + 1;
      int number = 0;
      if (std::sscanf(text[0].c_str(), "%d.", &number) != 1) continue;
      ++numbered;
      EXPECT_EQ(number, p + 1) << "book " << b << ": " << text[0];
    }
  EXPECT_GT(numbered, 50);
}

TEST(NotebookContent, BookSevenWalksTheIslandInNinePages) {
  Notebook book;
  const std::vector<std::string> want = {"Book 7: The island", "2. A walking gait", "3. Turning on six legs",
                                         "4. Smelling the way home", "5. Picking up and carrying",
                                         "6. Bringing food home", "7. Laying a scent trail", "8. Following a trail",
                                         "9. The colony challenge"};
  ASSERT_EQ(book.index.PageCount(7), static_cast<int>(want.size()));
  for (int p = 0; p < book.index.PageCount(7); ++p) EXPECT_EQ(book.TextLines(7, p)[0], want[static_cast<size_t>(p)]);
  // The island's tests end with the nest's energy: it is the test critter.
  Map map;
  for (int level = 701; level <= 708; ++level) {
    auto test = map.Test(level);
    ASSERT_FALSE(test.empty()) << level;
    int critter = 0, kind = 0, ticks = 0, goal = 0;
    ASSERT_EQ(std::sscanf(test[0].c_str(), "%d %d %d %d", &critter, &kind, &ticks, &goal), 4) << level;
    EXPECT_EQ(critter, 1) << level;
    EXPECT_LE(ticks, 999) << level;
    EXPECT_GT(goal, 50) << level;  // the nest starts at 50: it has to be fed
    // The page says what its test judges: the nest's energy from 50 to the goal, and the time.
    std::string page;
    for (const auto& line : book.TextLines(7, level - 700)) page += line + " ";
    EXPECT_NE(page.find("nest 50 to " + std::to_string(goal)), std::string::npos) << level << ": " << page;
    EXPECT_NE(page.find(std::to_string((ticks + 10) / 20) + " s"), std::string::npos) << level << ": " << page;
  }
}

TEST(LevelContent, AFixedSizeViewShowsTheWholeBackground) {
  Map map;
  int sized = 0;
  for (int level = 100; level < 800; ++level) {
    const std::string size = map.OneLine(level, "[SIZE]");
    if (size.empty()) continue;
    ++sized;
    std::string name = map.OneLine(level, "[BACKGROUND]");
    ASSERT_FALSE(name.empty()) << level;
    std::replace(name.begin(), name.end(), '\\', '/');
    auto background = LoadBmp(std::string(QUORBIT_TEST_DATA_DIR) + "/" + name);
    ASSERT_TRUE(background.has_value()) << name;
    int w = 0, h = 0;
    ASSERT_EQ(std::sscanf(size.c_str(), "%d %d", &w, &h), 2) << level;
    EXPECT_EQ(w, background->width()) << level;
    EXPECT_EQ(h, background->height()) << level;
  }
  EXPECT_GE(sized, 12);
}

TEST(NotebookContent, BookFourLoadsALevelOnEveryPageAndTestsTheLegTheHeartsAndTheTap) {
  Notebook book;
  Map map;
  ASSERT_EQ(book.index.PageCount(4), 16);
  EXPECT_EQ(book.TextLines(4, 0).at(0), "Book 4: Muscles and machines");
  // Each object is met on the page its unlock threshold names.
  const std::pair<int, const char*> objects[] = {{4, "5. The Ball"},   {6, "7. The Cube"},
                                                 {7, "8. The Letter"}, {8, "9. The Gate"},
                                                 {9, "10. The PushButton"}, {11, "12. The Bulb"},
                                                 {12, "13. The Vehicle"}, {13, "14. The Cannon"}};
  for (auto [page, title] : objects) EXPECT_EQ(book.TextLines(4, page).at(0), title);
  for (int p = 0; p < 16; ++p) {
    const int key = 400 + p;
    EXPECT_EQ(book.Levels(4, p), std::vector<int>{key});
    std::string missing;
    EXPECT_TRUE(map.map.LevelAvailable(key, key, &missing)) << key << " needs " << missing;
    // The lab pages' tests are judged by their gizmo: the leg, a heart or the tap.
    const char judge = p == 5 ? '1' : p == 10 ? '3' : p == 14 ? 'b' : (p == 1 || p == 2 || p == 3 || p == 15) ? 'm' : 0;
    if (!judge) continue;
    EXPECT_FALSE(map.Test(key).empty()) << key;
    int critter = 0, kind = 0, ticks = 0, goal = 0;
    ASSERT_EQ(std::sscanf(map.Test(key)[0].c_str(), "%d %d %d %d", &critter, &kind, &ticks, &goal), 4) << key;
    EXPECT_EQ(critter, -1) << key;
    EXPECT_EQ(kind, 3) << key;
    ASSERT_FALSE(map.Gizmos(key).empty()) << key;
    EXPECT_EQ(map.Gizmos(key)[0][0], judge) << "the gizmo that judges level " << key;
  }
  EXPECT_TRUE(map.messages.shown.empty());
}

TEST(NotebookContent, BookSixTeachesLearningOnItsOwnLevels) {
  // A heading's number is the number the notebook shows under the page.
  const std::vector<std::string> titles = {"Book 6: Learning", "2. One neuron learns AND", "3. It learns OR",
                                           "4. XOR needs a hidden layer", "5. The chalk board",
                                           "6. Telling two digits apart", "7. Telling three digits apart"};
  Notebook book;
  Map map;
  ASSERT_EQ(book.index.PageCount(6), static_cast<int>(titles.size()));
  for (int p = 0; p < book.index.PageCount(6); ++p) {
    const int key = 600 + p;
    EXPECT_EQ(book.TextLines(6, p).at(0), titles[static_cast<size_t>(p)]);
    EXPECT_EQ(book.Levels(6, p), std::vector<int>{key});
    std::string missing;
    EXPECT_TRUE(map.map.LevelAvailable(key, key, &missing)) << key << " needs " << missing;
    // The welcome is for trying things out; every other page has a test.
    EXPECT_EQ(map.Test(key).empty(), p == 0) << key;
    const auto gizmos = map.Gizmos(key);
    ASSERT_FALSE(gizmos.empty()) << key;
    if (p <= 3) {
      // The scope steps first and shows its target to the brain.
      int type = -2, show = 0;
      ASSERT_EQ(gizmos[0].rfind("oscilloscope ", 0), 0u) << key;
      EXPECT_EQ(std::sscanf(gizmos[0].c_str() + 12, "%d %d", &type, &show), 2);
      EXPECT_EQ(show, 1) << key;
    } else {
      // The recording page's board judges the recorded samples, the others the digits.
      EXPECT_EQ(gizmos[0], p == 4 ? "chalk 1" : "chalk") << key;
    }
  }
  EXPECT_TRUE(map.messages.shown.empty());
}

TEST(SampleContent, TheShippedDigitSamplesReadCleanly) {
  for (const char* name : {"digits01.txt", "digits012.txt"}) {
    TChalk chalk(GizmoPorts{});
    const auto report = chalk.LoadSamples(DataDir + "/samples/" + name);
    ASSERT_TRUE(report.has_value()) << name;
    EXPECT_TRUE(report->Clean()) << name;
    EXPECT_GE(report->added, 40) << name;
  }
}

TEST(LevelContent, LadybugLevelsAreLockedBeforeTheGarden) {
  // Refusing these below 200 shows that each level's critter section is really scanned
  // (a section right after another scanned one, or an [END] right after it, would not be).
  Map map;
  for (int level = 200; level <= 207; ++level) {
    std::string missing;
    EXPECT_FALSE(map.map.LevelAvailable(level, 199, &missing)) << level;
    EXPECT_EQ(missing, "LadyBug") << level;
  }
}

TEST(LevelContent, LabTestsAreDialTestsJudgedByAScopeThatStepsFirst) {
  Map map;
  for (int level = 101; level <= 111; ++level) {
    auto test = map.Test(level);
    ASSERT_FALSE(test.empty()) << level;
    int critter = 0, kind = 0, ticks = 0, goal = 0;
    ASSERT_EQ(std::sscanf(test[0].c_str(), "%d %d %d %d", &critter, &kind, &ticks, &goal), 4) << level;
    EXPECT_EQ(critter, -1) << level;
    EXPECT_EQ(kind, 3) << level;
    EXPECT_GE(ticks, 160) << level;  // at least two rounds of the fast switch
    EXPECT_LE(ticks, 999) << level;
    // The scope compares the brain's lamps (worked out from last tick's inputs) with
    // targets from the inputs; stepping before the switches and the slider, it sees
    // last tick's inputs too.
    auto gizmos = map.Gizmos(level);
    ASSERT_FALSE(gizmos.empty()) << level;
    ASSERT_EQ(gizmos[0][0], 'o') << level;
    int type = -2, show = -1;
    ASSERT_GE(gizmos[0].size(), 12u);
    EXPECT_EQ(std::sscanf(gizmos[0].c_str() + 12, "%d %d", &type, &show), 2) << gizmos[0];
    EXPECT_EQ(type, level - 101) << "page k of book 1 uses scope task k - 1";
    for (const auto& g : gizmos) {
      if (g[0] == 's') {
        int divisor = 0, offset = 0;
        ASSERT_GE(g.size(), 7u);
        EXPECT_TRUE(g[6] == '0' || g[6] == '1') << g;
        EXPECT_EQ(std::sscanf(g.c_str() + 7, "%d %d", &divisor, &offset), 2) << g;
        EXPECT_GT(divisor, 0) << g;
      }
      if (g[0] == 'l') {
        ASSERT_GE(g.size(), 5u);
        EXPECT_TRUE(g[4] >= '0' && g[4] <= '3') << g;
      }
    }
  }
}

TEST(LevelContent, LadybugTestsAreTimedWithAGoalAboveTheStartingEnergy) {
  Map map;
  for (int level = 201; level <= 207; ++level) {
    auto test = map.Test(level);
    ASSERT_FALSE(test.empty()) << level;
    int critter = -1, kind = 0, ticks = 0, goal = 0;
    ASSERT_EQ(std::sscanf(test[0].c_str(), "%d %d %d %d", &critter, &kind, &ticks, &goal), 4) << level;
    EXPECT_EQ(critter, 0) << level;
    EXPECT_EQ(kind, 1) << level;
    EXPECT_TRUE(ticks >= 1 && ticks <= 999) << level;
    // A brain that does nothing keeps its starting energy, so the goal must lie above it.
    size_t pos = FindLevelHeader(map.text, level);
    size_t energy = map.text.find("[ENERGY]\n0 ", pos);
    ASSERT_NE(energy, std::string::npos) << level;
    float start = 0;
    ASSERT_EQ(std::sscanf(map.text.c_str() + energy + 11, "%f", &start), 1);
    EXPECT_GT(goal, start) << level;
    EXPECT_LE(goal, 100) << level;
  }
}

TEST(WorkshopContent, ShippedWorldsOpenInTheWorkshopWithAPageSizedDescription) {
  auto worlds = ListFiles(DataDir + "/worlds", ".wld");
  ASSERT_GE(worlds.size(), 2u);
  FakeMessages messages;
  LevelMap map(&messages, DataDir);
  for (const auto& file : worlds) {
    std::string name = file.substr(0, file.size() - 4);
    std::string text = Read(DataDir + "/worlds/" + file);
    ExpectPlainText(text, file);
    std::string missing;
    EXPECT_TRUE(map.WorldAvailable(name, 300, &missing)) << name << " needs " << missing;
    EXPECT_FALSE(map.WorldAvailable(name, 199, &missing)) << name;
    // The world page shows the description after its own first line; the description
    // ends with the "#" line that ends the page.
    size_t at = text.find("[TEXT]\n");
    ASSERT_NE(at, std::string::npos) << name;
    auto description = NotebookLines(text.substr(at + 7));
    EXPECT_LE(static_cast<int>(description.size()) + 1, MaxPageLines) << name;
    EXPECT_NE(text.find("\n#\n[END]", at), std::string::npos) << name;
  }
  EXPECT_TRUE(messages.shown.empty());
}

namespace {
// The seconds a page names ("10 seconds", "10 s", "8 s:").
bool NamesSeconds(const std::string& page, int seconds) {
  const std::string n = std::to_string(seconds);
  for (const char* unit : {" seconds", " s", " second"}) {
    for (size_t at = page.find(n + unit); at != std::string::npos; at = page.find(n + unit, at + 1))
      if (at == 0 || !std::isdigit(static_cast<unsigned char>(page[at - 1]))) return true;
  }
  return false;
}
}  // namespace

// Books 4 and 5: every page after the welcome has a test that its page states (with the
// test's time), and a pass is praised with "Well done" and a movie, as in books 1 and 6.
TEST(NotebookContent, BooksFourAndFiveTestEveryPageAndPraiseEveryPass) {
  Notebook book;
  Map map;
  for (int b : {4, 5}) {
    for (int p = 1; p < book.index.PageCount(b); ++p) {
      const int key = b * 100 + p;
      const auto test = map.Test(key);
      ASSERT_FALSE(test.empty()) << key;
      int critter = 0, kind = 0, ticks = 0, goal = 0;
      ASSERT_EQ(std::sscanf(test[0].c_str(), "%d %d %d %d", &critter, &kind, &ticks, &goal), 4) << key;
      std::string page;
      for (const auto& line : book.TextLines(b, p)) page += line + " ";
      EXPECT_NE(page.find("The test:"), std::string::npos) << key;
      EXPECT_TRUE(NamesSeconds(page, (ticks + 10) / 20)) << key << " runs " << ticks << " ticks: " << page;
      const std::vector<std::string> praise(test.begin() + 1, test.end());
      ASSERT_GE(praise.size(), 6u) << key;
      EXPECT_EQ(praise[0], "FTOB") << key;
      EXPECT_EQ(praise[1], "MEST Well done") << key;
      EXPECT_EQ(praise[2].rfind("FTOM movie\\", 0), 0u) << key;
      EXPECT_EQ(praise[4].rfind("MESB ", 0), 0u) << key;
      EXPECT_EQ(praise.back(), "PAUS -1") << key;
    }
  }
}

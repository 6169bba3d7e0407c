#include "brain/BrainCollection.h"

#include "platform/Files.h"

TBrainCollection::TBrainCollection(const Host& host, uint32_t seed) : host_(host), seed_(seed) {
  TBrainBoard& first = NewBoard(EmptyName, false);
  first.visible = true;
  tabs_.push_back(first.number);
}

TBrainBoard& TBrainCollection::NewBoard(const std::string& name, bool hidden) {
  const int number = nextNumber_++;
  auto board = std::make_unique<TBrainBoard>(host_, seed_ + 2654435761u * static_cast<uint32_t>(number), hidden);
  board->number = number;
  board->cellSize = CellSize;
  board->widthPixels = boardWidth_;
  brains_.push_back({name, std::move(board)});
  return *brains_.back().board;
}

int TBrainCollection::IndexOf(int number) const {
  for (size_t i = 0; i < brains_.size(); ++i)
    if (brains_[i].board->number == number) return static_cast<int>(i);
  return -1;
}

int TBrainCollection::TabOf(int number) const {
  for (size_t t = 0; t < tabs_.size(); ++t)
    if (tabs_[t] == number) return static_cast<int>(t);
  return -1;
}

TBrainBoard* TBrainCollection::Board(int number) {
  const int i = number < 0 ? -1 : IndexOf(number);
  return i < 0 ? nullptr : brains_[i].board.get();
}

TBrainBoard* TBrainCollection::ShownBoard() {
  return selected_ >= 0 && selected_ < static_cast<int>(tabs_.size()) ? Board(tabs_[selected_]) : nullptr;
}

void TBrainCollection::SelectTab(int tab) {
  if (tab < 0 || tab >= static_cast<int>(tabs_.size())) return;
  if (TBrainBoard* shown = ShownBoard()) shown->visible = false;
  selected_ = tab;
  ShownBoard()->visible = true;
}

int TBrainCollection::AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                                  const ChannelMask& outputMask) {
  if (hidden) {
    TBrainBoard& board = NewBoard(name, true);
    board.SetIO(&inputMask, &outputMask);
    board.attached = true;
    const std::string path = "worlds\\" + name;
    if (const auto bytes = ReadFileBytes(NativePath(path))) board.LoadBrain(*bytes);
    else host_.Message("Couldn't open " + path, "Hidden Brain Error");
    return board.number;
  }
  for (const std::string& wanted : {std::string(EmptyName), name}) {
    for (int number : tabs_) {
      BrainEntry& e = brains_[IndexOf(number)];
      if (e.name != wanted) continue;
      e.name = name;
      e.board->SetIO(&inputMask, &outputMask);
      e.board->attached = true;
      return number;
    }
  }
  TBrainBoard& board = NewBoard(name, false);
  board.SetIO(&inputMask, &outputMask);
  board.attached = true;
  tabs_.push_back(board.number);
  return board.number;
}

ChannelBlock* TBrainCollection::BrainIO(int number) {
  TBrainBoard* b = Board(number);
  return b ? &b->IO() : nullptr;
}

std::string TBrainCollection::BrainName(int number) const {
  const int i = number < 0 ? -1 : IndexOf(number);
  return i < 0 ? std::string() : brains_[i].name;
}

void TBrainCollection::Unbind(TBrainBoard& board) {
  board.inputAvailable.fill(false);
  board.outputAvailable.fill(false);
  board.SetIO(nullptr, nullptr);
  board.attached = false;
  board.IO().Clear();
}

void TBrainCollection::Delete(int number) {
  const int tab = TabOf(number);
  if (tab >= 0) tabs_.erase(tabs_.begin() + tab);
  const int i = IndexOf(number);
  if (i >= 0) brains_.erase(brains_.begin() + i);
}

void TBrainCollection::ReleaseBrain(int number, bool deleteDrawn) {
  const int i = number < 0 ? -1 : IndexOf(number);
  if (i < 0) return;
  BrainEntry& e = brains_[i];
  if (e.board->kind == HiddenBoard) {
    Delete(number);
  } else {
    Unbind(*e.board);
    // What the learner drew stays under its name (a body asking for that name again gets
    // it back); only a board with nothing of the learner's goes.
    if (tabs_.size() <= 1) e.name = EmptyName;
    else if (deleteDrawn || !e.board->HasContent()) Delete(number);
  }
  selected_ = -1;
  for (BrainEntry& b : brains_) b.board->visible = false;
  SelectTab(0);
}

void TBrainCollection::ReleaseWorldBrains() {
  if (TBrainBoard* shown = ShownBoard()) shown->visible = false;
  for (int i = static_cast<int>(brains_.size()) - 1; i >= 0; --i) {
    BrainEntry& e = brains_[i];
    if (e.board->kind == HiddenBoard) {
      Delete(e.board->number);
      continue;
    }
    Unbind(*e.board);
    if (tabs_.size() <= 1) e.name = EmptyName;
    // Unbinding removed the channel nodes without wires; what is left is the user's.
    else if (!e.board->HasContent()) Delete(e.board->number);
  }
  selected_ = -1;
  SelectTab(0);
}

void TBrainCollection::StepAll(bool running) {
  for (size_t i = 0; i < brains_.size(); ++i) brains_[i].board->Step(running);
}

void TBrainCollection::ResetAll() {
  for (BrainEntry& e : brains_) e.board->ResetRun();
}

bool TBrainCollection::AnyBrainTouched() const {
  for (const BrainEntry& e : brains_)
    if (e.board->WasTouched()) return true;
  return false;
}

bool TBrainCollection::AnyBrainUsesSimulatedInput() const {
  for (const BrainEntry& e : brains_)
    if (e.board->UsesSimulatedInput()) return true;
  return false;
}

bool TBrainCollection::LoadBrainFile(const std::string& path) {
  TBrainBoard* shown = ShownBoard();
  if (!shown) return false;
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return false;
  shown->LoadBrain(*bytes);
  return true;
}

void TBrainCollection::SetBoardWidth(int pixels) {
  if (pixels <= 0) return;
  boardWidth_ = pixels;
  for (BrainEntry& e : brains_) e.board->widthPixels = pixels;
}

void TBrainCollection::Zoom() {
  CellSize *= 2;
  if (CellSize > 16) CellSize = 4;
  for (BrainEntry& e : brains_) e.board->SetCellSize(CellSize);
}

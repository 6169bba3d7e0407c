#pragma once
// Editor scripts: one editor action a line, run through the same rules the editor window
// uses. The command line's world-edit runs them; so does its fuzz harness. A line is words
// split by blanks; a word in double quotes may hold blanks or be empty; "#" outside quotes
// starts a comment.
#include <string>
#include <vector>

#include "world/WorldEditing.h"

struct ScriptVerb {
  const char* verb;
  const char* words;  // what follows the verb, as the help shows it
};
// Every verb, in the help's order.
const std::vector<ScriptVerb>& EditorScriptVerbs();

// The help text: the command's usage line, then every verb with its words.
std::string EditorScriptHelp(const std::string& usage);

// The words of a line; false when a quote is left open.
bool ScriptWords(const std::string& line, std::vector<std::string>& words);

class TEditorScript {
 public:
  explicit TEditorScript(TWorldEditing& editor) : ed_(editor) {}

  enum class Outcome {
    Ran,      // the line did what it says (or held no words)
    Refused,  // the editor refused the edit (its message was shown) and changed nothing
    Bad,      // not a line of the script: unknown verb, wrong words, open quote, binary
  };
  // Runs one line; `problem` tells why it did not run, `printed` holds what a "print"
  // line shows (a JSON line).
  Outcome RunLine(const std::string& line, std::string& problem, std::string& printed);

 private:
  Outcome Run(const std::vector<std::string>& w, std::string& problem, std::string& printed);
  Outcome Thing(const std::vector<std::string>& w, std::string& problem);
  Outcome Test(const std::vector<std::string>& w, std::string& problem);
  Outcome Trigger(const std::vector<std::string>& w, std::string& problem);
  Outcome Brain(const std::vector<std::string>& w, std::string& problem);
  Outcome Energy(const std::string& start, const std::string& loss);
  Outcome Smell(const std::string& first, const std::string& second, std::string& problem);
  Outcome Print(const std::string& what, std::string& problem, std::string& printed);
  Outcome Refuse(const std::string& text);

  TWorldEditing& ed_;
};

#pragma once
// What the world commands share: a world with a view, the brain collection its brain
// lines attach to, and reading a world by name ("worlds\NAME.wld") or by path.
#include <memory>
#include <string>

#include "brain/BrainCollection.h"
#include "world/WorldBrainLink.h"
#include "world/WorldFile.h"

struct CliWorld {
  explicit CliWorld(Host& host);
  // A name ending in ".wld" or holding a folder separator is a path; anything else is a
  // world in the "worlds" folder.
  bool Read(const std::string& nameOrPath);

  Host& host;
  TBrainCollection brains;
  TWorldBrainLink link;
  TStoredTest test;
  std::unique_ptr<TWorld> world;
  TWorldFile file;
};

bool IsWorldPath(const std::string& nameOrPath);

// Loads a brain file into the board of that name; false (reported) when there is no such
// board or the file cannot be opened.
bool LoadBrainInto(CliWorld& w, const std::string& board, const std::string& path);
// "NAME=FILE" split at its first "="; false when either side is empty.
bool SplitBrainArgument(const std::string& text, std::string& board, std::string& path);

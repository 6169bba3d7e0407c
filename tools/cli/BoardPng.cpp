// board-png: a brain's whole board drawn as the brain window draws it, as a PNG picture.
#include <cstdio>

#include "BrainCheck.h"
#include "Cli.h"
#include "brain/BrainFileFormat.h"
#include "brain/BoardDraw.h"
#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/PngFile.h"

namespace {

constexpr int MaxPictureSide = 8192;

int BoardPng(const std::vector<std::string>& args, Host& host) {
  std::string brain, out;
  int zoom = 16;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--zoom" && k + 1 < args.size()) {
      const std::string& z = args[++k];
      if (z != "16" && z != "8" && z != "4") return UsageError("--zoom takes 16, 8 or 4");
      zoom = std::stoi(z);
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unexpected argument " + a);
    } else if (brain.empty()) {
      brain = a;
    } else if (out.empty()) {
      out = a;
    } else {
      return UsageError("unexpected argument " + a);
    }
  }
  if (brain.empty() || out.empty()) return UsageError("usage: board-png BRAIN OUT.png [--zoom 16|8|4]");

  const auto bytes = ReadFileBytes(brain);
  if (!bytes) return UsageError("cannot open " + brain);
  if (!StartsAsBrainFile(*bytes)) return UsageError("Not a brain file: " + brain);
  const auto pic = LoadBmp(NativePath("pics\\brain\\allpic.bmp"));
  const auto mask = LoadBmp(NativePath("pics\\brain\\allmask.bmp"));
  std::shared_ptr<const BoardTileSet> tiles = pic && mask ? BoardTileSet::Cut(*pic, *mask) : nullptr;
  if (!tiles) {
    host.Message("Couldn't open pics\\brain\\allpic.bmp", "Brain Board");
    return ExitFailed;
  }
  TBrainBoard board(host, 1);
  board.visible = true;
  board.SetCellSize(zoom);
  // The channels the brain was bound to keep their nodes, wired or not, as on a body.
  ChannelMask inputs{}, outputs{};
  ReadBoundChannels(bytes->data(), bytes->size(), inputs, outputs);
  board.SetIO(&inputs, &outputs);
  board.LoadBrain(*bytes);
  const int width = board.columns() * zoom, height = board.rows() * zoom;
  if (width > MaxPictureSide || height > MaxPictureSide)
    return UsageError("the board is too large for --zoom " + std::to_string(zoom) + "; try a smaller zoom");
  BoardDraw draw(board, tiles);
  if (!draw.SetViewSize(width, height)) return ExitFailed;
  draw.Paint();
  IndexedImage picture = draw.image();
  picture.palette = pic->palette;
  if (!WritePng(out, picture)) {
    host.Message("Couldn't write " + out, "Board Picture");
    return ExitFailed;
  }
  std::printf("{\"rendered\":%s,\"brain\":%s,\"width\":%d,\"height\":%d,\"zoom\":%d}\n", JsonString(out).c_str(),
              JsonString(brain).c_str(), width, height, zoom);
  return ExitOk;
}

}  // namespace

QUORBIT_CLI_COMMAND(board_png, "board-png", "board-png BRAIN OUT.png [--zoom 16|8|4]", BoardPng);

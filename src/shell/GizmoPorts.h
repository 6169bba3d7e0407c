#pragma once
// The gizmos' ports for the program: the brain collection behind the brain window and
// a sound list played through the shell's sound service.
#include <memory>
#include <vector>

#include "bodies/Gizmo.h"

class TBrainCollection;
class SoundService;
struct SoundRecord;

class TCollectionGizmoBrains : public IGizmoBrains {
 public:
  explicit TCollectionGizmoBrains(TBrainCollection& brains) : brains_(brains) {}
  int AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                  const ChannelMask& outputMask) override;
  ChannelBlock* BrainIO(int number) override;
  const ChannelMask* EnabledInputs(int number) override;
  const ChannelMask* EnabledOutputs(int number) override;
  void HoldLearning(int number) override;

 private:
  TBrainCollection& brains_;
};

class TGizmoSoundList : public IGizmoSounds {
 public:
  explicit TGizmoSoundList(SoundService& service);
  ~TGizmoSoundList() override;
  int LoadSound(const std::string& path) override;
  void PlaySound(int index) override;
  // The world drops its sounds with the world.
  void Clear();

  static constexpr int BellPriority = 5;

 private:
  SoundService& service_;
  std::vector<std::unique_ptr<SoundRecord>> sounds_;
};

#pragma once
// What the harnesses share: a host that shows nothing and answers every question No.
#include <string>

#include "platform/Host.h"

class SilentMessages : public IMessages {
 public:
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  Answer AskYesNo(const std::string&, const std::string&) override { return Answer::No; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

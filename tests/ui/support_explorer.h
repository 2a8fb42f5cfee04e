// What the folder tree tests share: the real file system with one volume, and answered messages.
#pragma once

#include "platform/platform.h"
#include "ui/explorer_dialogs.h"

#include <QStringList>

// The whole file system as one volume, so that every temporary folder lies on it.
class RootVolumeOnly final : public VolumeTable {
public:
  std::vector<Volume> Volumes() override {
    return {Volume{"/", QStringLiteral("system"), DriveType::Fixed, "/dev/sda1"}};
  }
  DriveType TypeOf(const QByteArray &) override { return DriveType::Fixed; }
  bool Ready(const QByteArray &) override { return true; }
};

struct TestPlatform {
  TestPlatform() : platform(DefaultPlatform()) { platform.Volumes = &volumes; }
  RootVolumeOnly volumes;
  Platform platform;
};

// Records every message and answers questions with a preset answer.
class RecordedDialogs final : public ExplorerDialogs {
public:
  void ShowError(QWidget *, const QString &text) override { errors << text; }
  bool Confirm(QWidget *, const QString &text) override {
    questions << text;
    return answer;
  }
  void Beep() override { ++beeps; }
  QStringList errors, questions;
  bool answer = true;
  int beeps = 0;
};

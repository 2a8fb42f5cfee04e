// A dialog hook that answers from a script and notes what it was asked, and a core over a folder.
#pragma once

#include "app/app_core.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>

class FakeDialogs : public DialogHook {
public:
  std::deque<bool> answers;  // Confirm answers in order (No when exhausted)
  QStringList files;         // file dialog answers in order; empty or exhausted: cancelled
  QString filter;            // the filter chosen in the save dialog
  int stopAfterReports = -1; // RenameProgress answers false from this report on
  QStringList asked, errors, notices;
  QList<FileChoice> choices;
  int progressReports = 0, progressEnded = 0;

  bool Confirm(const QString &message) override {
    asked << message;
    if (answers.empty())
      return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowError(const QString &message) override { errors << message; }
  void ShowInformation(const QString &message) override { notices << message; }
  std::optional<QString> ChooseSaveFile(const FileChoice &choice) override { return NextFile(choice); }
  std::optional<QString> ChooseOpenFile(const FileChoice &choice) override { return NextFile(choice); }
  QString ChosenFilter() const override { return filter; }
  bool RenameProgress(qsizetype, qsizetype) override {
    return stopAfterReports < 0 || ++progressReports <= stopAfterReports;
  }
  void RenameProgressEnded() override { ++progressEnded; }

private:
  std::optional<QString> NextFile(const FileChoice &choice) {
    choices << choice;
    const QString f = files.isEmpty() ? QString() : files.takeFirst();
    if (f.isEmpty())
      return std::nullopt;
    return f;
  }
};

inline void Touch(const QString &path) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
}

inline QStringList Names(const QString &folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// A core showing a temporary folder of the given files.
struct CoreFixture {
  QTemporaryDir dir;
  FakeDialogs dialogs;
  AppCore core{dialogs};

  explicit CoreFixture(const QStringList &files = {}) {
    for (const QString &f : files) {
      if (f.endsWith(QLatin1Char('/')))
        QDir(dir.path()).mkpath(f);
      else
        Touch(dir.filePath(f));
    }
    core.FileList().SetDirectory(dir.path());
  }
  QString Path(const QString &name) const { return QDir(dir.path()).absoluteFilePath(name); }
  QStringList OnDisk() const { return Names(dir.path()); }
};

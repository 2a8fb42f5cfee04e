// The command line of zelvo-rename-cli, read into a plain record.
#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

struct CliArguments {
  QString folder;
  QString optionsFile;
  QList<QPair<QString, QString>> settings; // --set FIELD=VALUE, in order
  bool recursive = false;
  std::optional<int> sortColumn;
  bool sortDescending = false;
  QList<int> selection;
  QString textListFile;
  std::optional<QDateTime> now;
  std::optional<quint32> seed;
  bool lines = false;
  bool rename = false;
  QString renameScript;
  QString undoScript;
  QString savePreview;
  bool recover = false; // undo what an interrupted run did
  bool check = false;   // exit status 1 when any line would fail
  bool force = false;   // replace existing output files
  bool help = false;
  bool version = false;
  // Not on the command line: the run takes the list's order and keeps no journal, to measure what
  // the ordering and the journal cost.
  bool plainRun = false;
};

struct CliParse {
  CliArguments arguments;
  QString error; // one line; empty when the command line is sound
};

// Reads the arguments (without the program name).
CliParse ParseCliArguments(const QStringList &args);

QString CliUsage();

// Runs the command-line job in the test's process and makes files for it.
#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_job.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextStream>

struct CliRun {
  int status = -1;
  QString out;
  QString err;
};

inline CliRun Run(const QStringList &args) {
  CliRun run;
  const CliParse parse = ParseCliArguments(args);
  if (!parse.error.isEmpty()) {
    run.status = CliBadInput;
    run.err = parse.error;
    return run;
  }
  QTextStream out(&run.out), err(&run.err);
  run.status = RunCliJob(parse.arguments, out, err);
  out.flush();
  err.flush();
  return run;
}

inline void Touch(const QString &path, const QByteArray &bytes = {}) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

inline QStringList Names(const QString &folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

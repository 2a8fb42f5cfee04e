#include "cli/cli_job.h"

#include "cli/cli_outputs.h"

#include "engine/batch_scripts.h"
#include "engine/journalled_run.h"
#include "engine/option_fields.h"
#include "engine/option_rules.h"
#include "engine/preview.h"
#include "engine/rename_conflicts.h"
#include "engine/rename_run.h"
#include "engine/run_journal.h"
#include "explorer/explorer_helpers.h"
#include "explorer/file_list_view.h"
#include "platform/escaped_text.h"
#include "platform/name_codec.h"
#include "platform/native_file.h"
#include "settings/options_file.h"
#include "variables/text_list.h"
#include "variables/variable_expander.h"

#include <future>
#include <thread>

namespace {

// The names the run gives, one a line, as the table shows them, handed on a few pages at a time:
// the text of a big folder never takes memory of its own beside the run's.
void PrintLines(QTextStream &out, const std::vector<FileListEntry> &entries, const QStringList &lines) {
  constexpr qsizetype kPiece = 16384;
  QString text;
  text.reserve(kPiece + 512);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    AppendEscapedControls(text, ShownLine(lines.at(i), entries[size_t(i)]));
    text += u'\n';
    if (text.size() >= kPiece) {
      out << text;
      text.resize(0); // keeps its room
    }
  }
  out << text;
}

// Sorts the list by a column in a direction, whatever its order was.
void SortList(TZelvoRenameFileListView &list, int column, bool descending) {
  if (list.SortColumn() != column)
    list.SortByColumn(column); // ascending
  if (list.SortDescending() != descending)
    list.SortByColumn(column); // the same column again reverses
}

// The table a user reads: every entry with its new name, the changing ones marked "*", those that
// would fail marked "!" with the reason, and the counts; made in one text, written at once. Returns
// how many would fail.
qsizetype PrintTable(QTextStream &out, const std::vector<FileListEntry> &entries, const QStringList &lines,
                     const ConflictReport &conflicts) {
  constexpr qsizetype kWidest = 48;
  qsizetype changing = 0;
  qsizetype width = 0, total = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    width = qMax(width, EscapedControls(ShownName(entries[i].Caption)).size());
    total += entries[i].Caption.size() + lines.at(qsizetype(i)).size();
  }
  width = qMin(width, kWidest);
  QString text;
  text.reserve(total + qsizetype(entries.size()) * (kWidest + 12) + 64);
  for (size_t i = 0; i < entries.size(); ++i) {
    const FileListEntry &e = entries[i];
    const LineConflict conflict = conflicts.lines[i];
    const bool fails = WouldFail(conflict);
    const bool changes = conflict == LineConflict::None;
    changing += changes ? 1 : 0;
    text += fails ? u"! " : changes ? u"* " : u"  ";
    const QString shown = EscapedControls(ShownName(e.Caption));
    text += shown;
    for (qsizetype pad = width - shown.size(); pad > 0; --pad)
      text += u' ';
    text += u"  ->  ";
    text += EscapedControls(ShownLine(lines.at(qsizetype(i)), e));
    if (fails) {
      text += u"   (would fail: ";
      text += ConflictText(conflict);
      text += u')';
    }
    text += u'\n';
  }
  out << text << changing << " of " << entries.size() << " names change";
  if (conflicts.failing > 0)
    out << ", " << conflicts.failing << " would fail";
  out << '\n';
  return conflicts.failing;
}

QString WriteFile(const QString &path, const QByteArray &bytes, FileMode mode = FileMode::Plain) {
  return WriteWholeFile(path, bytes, mode);
}

// What the new names and the order read of the files beyond their names and kinds: the details
// (size, times, attributes, read by a stat of each file) and the texts a view shows (the type name).
struct ListNeeds {
  bool details = false;
  bool viewTexts = false;
};
ListNeeds NeedsOf(const RenameOptions &o, const CliArguments &a) {
  ListNeeds needs;
  if (a.sortColumn) {
    needs.details = *a.sortColumn == 2 || *a.sortColumn >= 5;
    needs.viewTexts = *a.sortColumn == 3;
  }
  // A replaced text may bring any variable into a name part.
  if (o.opReplaceText || o.opReplaceTextEx)
    return {true, true};
  for (const QString *text : {&o.tChangeFilename, &o.tInsertBefore, &o.tInsertAfter, &o.tChangeFileNameEx,
                              &o.tInsertBeforeEx, &o.tInsertAfterEx}) {
    for (qsizetype at = text->indexOf(QLatin1Char('\\')); at >= 0 && at + 1 < text->size();
         at = text->indexOf(QLatin1Char('\\'), at + 2)) {
      const char16_t code = text->at(at + 1).unicode();
      needs.details |= code == u'3' || (code >= u'6' && code <= u'9'); // size, times, attributes
      needs.viewTexts |= code == u'4';                                 // type name
    }
  }
  return needs;
}

} // namespace

// Puts back the files of every run that was cut short.
int RecoverRuns(QTextStream &out, QTextStream &err) {
  const QStringList journals = InterruptedJournals();
  if (journals.isEmpty()) {
    out << "No interrupted run to recover\n";
    return CliDone;
  }
  const RecoveryReport report = RecoverInterruptedRuns();
  out << RecoveryReportText(report) << '\n';
  if (report.Complete())
    return CliDone;
  err << "zelvo-rename-cli: the recovery is not complete\n";
  return CliSomeFailed;
}

int RunCliJob(const CliArguments &arguments, QTextStream &out, QTextStream &err, const std::atomic_bool *stop,
              CliJobRemains *remains) {
  if (arguments.recover)
    return RecoverRuns(out, err);
  // Whether an earlier run was cut short is looked up on the other core while the job goes on, and
  // said before anything else goes wrong or once the folder is read.
  std::future<bool> interrupted =
      std::async(std::launch::async, [] { return !InterruptedJournals().isEmpty(); });
  auto sayInterrupted = [&] {
    if (interrupted.valid() && interrupted.get())
      err << "zelvo-rename-cli: a rename run was cut short; --recover puts its files back\n";
  };
  // Listing a folder makes it the current folder: files named on the command line are taken from
  // the folder the user was in.
  CliArguments a = arguments;
  for (QString *path : {&a.renameScript, &a.undoScript, &a.savePreview})
    if (!path->isEmpty())
      *path = NativeAbsolutePath(*path);

  auto fail = [&](const QString &message) {
    sayInterrupted();
    err << "zelvo-rename-cli: " << EscapedControls(message) << '\n';
    return int(CliBadInput);
  };

  // The options: defaults, then the options file, then every --set in order.
  RenameOptions options;
  if (!a.optionsFile.isEmpty()) {
    const QString error = LoadOptionsFile(a.optionsFile, options);
    if (!error.isEmpty())
      return fail(error);
    // The fields react as in the window once the file is read: Excel has no number 0.
    TypeNumberChanged(options);
  }
  for (const auto &[field, value] : a.settings) {
    const QString error = SetOptionFromText(options, field, value);
    if (!error.isEmpty())
      return fail(error);
  }
  if (a.recursive)
    options.cViewFolders = false;

  // The folder by the bytes of its path, which need not be valid UTF-8.
  if (!FolderExists(a.folder))
    return fail(QStringLiteral("no such folder: \"%1\"").arg(ShownName(a.folder)));
  const QString folder = NativeAbsolutePath(a.folder);

  VariableExpander expansion;
  if (a.now)
    expansion.SetNow(*a.now);
  if (a.seed)
    expansion.SetSeed(*a.seed);
  if (!a.textListFile.isEmpty()) {
    TextList textList;
    const TextList::LoadResult loaded = textList.Load(a.textListFile);
    if (!loaded.ok())
      return fail(loaded.error);
    expansion.SetTextListLines(textList.Lines());
  }

  // The run's journal is made on the second core while the folder is read.
  std::future<OpenedJournal> journalAhead;
  if (a.rename && !a.plainRun)
    journalAhead = std::async(std::launch::async, &OpenedJournal::Open);

  // The list, set up as the window sets it before the folder is opened, so it is read once.
  const auto listHeld = std::make_shared<TZelvoRenameFileListView>();
  const auto previewHeld = std::make_shared<Preview>();
  if (remains)
    remains->held.insert(remains->held.end(), {listHeld, previewHeld});
  TZelvoRenameFileListView &list = *listHeld;
  const ListNeeds needs = NeedsOf(options, a);
  list.SetReadDetails(needs.details);
  TZelvoRenameFileListView::ListSetUp setUp;
  setUp.directory = WithTrailingBackslash(folder);
  setUp.mask = options.tMask.isEmpty() ? QStringLiteral("*.*") : options.tMask;
  setUp.showFolders = options.cViewFolders;
  setUp.showFilenames = options.cViewFiles;
  setUp.workWithFolders = options.cWorkWithFolders;
  setUp.recurse = a.recursive;
  setUp.viewTexts = needs.viewTexts;
  const bool listed = list.SetUp(setUp);
  sayInterrupted();
  if (!listed)
    return fail(QStringLiteral("no such folder: \"%1\"").arg(ShownName(a.folder)));
  if (a.sortColumn)
    SortList(list, *a.sortColumn, a.sortDescending);
  for (int index : a.selection) {
    if (index >= list.Count())
      return fail(
          QStringLiteral("--select: there is no entry %1 (the list has %2)").arg(index).arg(list.Count()));
    list.SetSelected(index, true);
  }

  Preview &preview = *previewHeld;
  RefreshRunState state;
  const std::vector<FileListEntry> &entries = list.Entries();
  // Names made unique and the check look names up in the folders the list has just read.
  FolderNameCache folderNames;
  folderNames.Offer(list.TakeFolderSnapshots());
  RefreshSources sources{options, entries, list.Directory(), &expansion, nullptr};
  sources.folderNames = &folderNames;
  const QString error = UpdateAll(sources, preview, state);
  if (!error.isEmpty())
    return fail(error);
  const QStringList &lines = preview.lZelvoList;

  qsizetype failing = 0;
  // With --lines and --rename, the names are written on the other core while the files are renamed;
  // the job touches out again only once they are.
  std::jthread printing;
  if (!a.lines) {
    failing = PrintTable(out, entries, lines, CheckConflicts(options, entries, lines, folderNames));
    out.flush();
  } else {
    auto print = [&out, &entries, &lines] {
      PrintLines(out, entries, lines);
      out.flush();
    };
    if (a.rename)
      printing = std::jthread(print);
    else
      print();
    if (a.check)
      failing = CheckConflicts(options, entries, lines, folderNames).failing;
  }
  // The names of the folders have served the new names and the check; the run reads no more of them.
  folderNames = FolderNameCache();
  // Every name first, then what went wrong, also where both go to one terminal.
  auto linesDone = [&] {
    if (printing.joinable())
      printing.join();
  };
  auto failAfterLines = [&](const QString &message) {
    linesDone();
    return fail(message);
  };

  // Every file to write is claimed before anything is renamed.
  OutputFiles outputs;
  {
    std::vector<QByteArray> newPaths;
    const bool claims = !a.savePreview.isEmpty() || !a.renameScript.isEmpty() || !a.undoScript.isEmpty();
    if (a.rename && claims) {
      newPaths.reserve(entries.size());
      for (size_t i = 0; i < entries.size(); ++i)
        newPaths.push_back(i < size_t(lines.size()) && !IsExcludedFromRun(options, entries[i])
                               ? NativeFolderOf(entries[i]) +
                                     EncodeName(NameOnDisk(lines.at(qsizetype(i)), entries[i].Caption))
                               : QByteArray());
    }
    for (const QString *path : {&a.savePreview, &a.renameScript, &a.undoScript})
      if (!path->isEmpty())
        if (const QString claimError = outputs.Claim(*path, a.force, entries, newPaths);
            !claimError.isEmpty())
          return failAfterLines(claimError);
  }
  auto write = [&](const QString &path, const QByteArray &bytes, FileMode mode) {
    const QString writeError = WriteFile(path, bytes, mode);
    if (writeError.isEmpty())
      outputs.Written(path);
    return writeError;
  };
  // A line left out of a script is a part of the job that did not happen: the job ends with 1.
  bool leftOut = false;
  auto listLeftOut = [&](const ScriptText &script, auto pathOf) {
    leftOut = leftOut || !script.leftOut.isEmpty();
    if (!script.leftOut.isEmpty())
      linesDone();
    for (qsizetype k = 0; k < script.leftOut.size(); ++k)
      err << "zelvo-rename-cli: left out of the script (" << EscapedControls(script.reasons.value(k))
          << "): " << EscapedControls(pathOf(script.leftOut.at(k))) << '\n';
  };

  if (!a.savePreview.isEmpty()) {
    const QString writeError = write(a.savePreview, MakePreviewText(lines, entries), FileMode::Plain);
    if (!writeError.isEmpty())
      return failAfterLines(writeError);
  }
  if (!a.renameScript.isEmpty()) {
    const ScriptFormat format = ScriptFormatOf(a.renameScript);
    const ScriptText script = MakeRenameScript(options, entries, lines, format);
    const QString writeError = write(a.renameScript, script.text, RunMode(format));
    if (!writeError.isEmpty())
      return failAfterLines(writeError);
    listLeftOut(script, [&](qsizetype i) {
      const FileListEntry &entry = entries[size_t(i)];
      return ShownName(JoinedPath(entry.SubItems[SubFolder], entry.Caption));
    });
  }
  if (!a.rename)
    return (a.check && failing > 0) || leftOut ? CliSomeFailed : CliDone;

  RenameRunControl control;
  control.stop = stop;
  control.recheckKinds = false; // the folder was read a moment ago
  control.ordered = !a.plainRun;
  control.keepUndo = !a.undoScript.isEmpty();
  const auto runHeld = std::make_shared<RenameRunResult>(RunJournalled(
      options, entries, lines, control,
      [&](const QString &why) {
        linesDone();
        err << "zelvo-rename-cli: " << EscapedControls(why) << "; renaming without a journal\n";
      },
      journalAhead.valid() ? journalAhead.get() : OpenedJournal()));
  linesDone();
  if (remains)
    remains->held.push_back(runHeld);
  const RenameRunResult &run = *runHeld;
  for (qsizetype i = 0; i < run.errors.size(); ++i)
    err << EscapedControls(run.errors.lFileNames.at(i)) << "  ("
        << EscapedControls(run.errors.reasons.value(i)) << ")\n";
  int status = run.errors.isEmpty() ? CliDone : CliSomeFailed;
  if (!a.undoScript.isEmpty()) {
    const ScriptFormat format = ScriptFormatOf(a.undoScript);
    const ScriptText script = MakeUndoScript(run.undo, format);
    const QString writeError = write(a.undoScript, script.text, RunMode(format));
    if (!writeError.isEmpty()) {
      err << "zelvo-rename-cli: " << EscapedControls(writeError) << '\n';
      status = CliBadInput;
    }
    listLeftOut(script, [&](qsizetype i) { return ShownName(DecodeName(run.undo.lNew.value(i))); });
  }
  if (leftOut && status == CliDone)
    status = CliSomeFailed;
  if (!a.lines)
    out << run.renamed << " renamed, " << run.unchanged << " unchanged, " << run.errors.size() << " failed\n";
  if (run.stopped) {
    err << "zelvo-rename-cli: stopped; " << run.notTaken << " not renamed\n";
    status = CliSomeFailed;
  }
  return status;
}

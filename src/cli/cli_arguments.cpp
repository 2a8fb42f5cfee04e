#include "cli/cli_arguments.h"

QString CliUsage() {
  return QStringLiteral(
      "Usage: zelvo-rename-cli [OPTION]... FOLDER\n"
      "Shows the new names of the files of FOLDER, and renames them.\n"
      "\n"
      "  --options FILE              load rename options from an options file\n"
      "  --set FIELD=VALUE           set one rename option by its field name (tMask, opUpperCase,\n"
      "                              tInsertBefore, rgTypeNumber, tManualNumber, opDirectory, cViewFolders,\n"
      "                              cWorkWithFolders, bCheckOnlySelectedFiles, ...); flags take 1 or 0;\n"
      "                              repeatable, applied in order after --options, each as a change of\n"
      "                              the window's control: texts are taken as typed and numbers read\n"
      "                              when the names are made; a radio button set to 1 clears the others\n"
      "                              of its group; rgTypeNumber=4 (Excel) turns a tStartAt of 0 into 1\n"
      "                              (a tStartAt set after it stays as given)\n"
      "  --recursive                 also list the files of all subfolders (folders are then not listed)\n"
      "  --sort COLUMN[:desc]        sort by a column (0 name, 1 path, 2 size, 3 type, 4 extension,\n"
      "                              5 created, 6 modified, 7 accessed, 8 attributes)\n"
      "  --select LIST               select entries by position, 0-based, comma-separated\n"
      "  --text-list FILE            the lines of the text list\n"
      "  --now \"YYYY-MM-DD HH:MM:SS\" the current date and time the date variables see\n"
      "  --seed N                    seed of the random names\n"
      "  --lines                     print exactly the new names, one per entry, and nothing else\n"
      "  --rename                    rename the files; print each failure; exit status 1 if any failed\n"
      "  --rename-script FILE        write the rename script to FILE instead of renaming\n"
      "  --undo-script FILE          with --rename: write the undo script of that run to FILE\n"
      "  --save-preview FILE         write the new names as a text file to FILE\n"
      "                              (these three write to FILE as named: no extension is added)\n"
      "                              a script FILE ending in \".sh\" is a runnable shell script whose\n"
      "                              moves never replace a file; any other gets REN lines (.bat)\n"
      "  --recover                   put back the files of a run that was cut short (crash, kill)\n"
      "  --check                     rename nothing; exit status 1 if any line would fail (marked \"!\")\n"
      "  --force                     replace an output FILE that exists (never one the run renames)\n"
      "  --help                      show this help\n"
      "  --version                   show the version\n"
      "\n"
      "Variables of photo and music metadata (in any text option; a value the file lacks gives nothing):\n"
      "  \\P                          date taken, \"yyyymmdd hhnnss\"; \\PY year, \\PY2 two digits, \\PM "
      "month,\n"
      "                              \\PD day, \\PH \"hhnnss\", \\PHH hour, \\PHM minute, \\PHS second\n"
      "                              (photos by date taken: \\PY-\\PM-\\PD_\\PH gives 2024-07-14_093005)\n"
      "  \\K                          camera make and model; \\KM make, \\KO model\n"
      "  \\W                          picture size \"WIDTHxHEIGHT\" (JPEG of every kind, PNG, WebP, TIFF,\n"
      "                              HEIC, ...); \\WW width, \\WH height\n"
      "  \\M                          music title; \\MT title, \\MA artist, \\ML album, \\MY year,\n"
      "                              \\MY2 two digits, \\MN track, \\MZ track of two digits, \\MG genre\n"
      "                              (ID3v2, Vorbis comments of FLAC, Ogg and Opus, MP4 tags, ...)\n"
      "\n"
      "Regular expressions and unique names (with --set):\n"
      "  opRegularExpression=1       tReplaceText is a regular expression (opRegularExpressionEx=1: the\n"
      "                              extension's); in tReplaceTextNew $1...$99 or ${12} is a group,\n"
      "                              ${name} a named group, $0 or $& the whole match, $$ a dollar sign;\n"
      "                              case is ignored unless opMatchCase=1 (opMatchCaseEx=1)\n"
      "                              (--set tReplaceText='^IMG_(\\d{4})(\\d\\d)(\\d\\d)_'\n"
      "                              --set tReplaceTextNew='$1-$2-$3 ' gives 2024-07-14 093005.jpg)\n"
      "  cMakeNamesUnique=1          a new name already taken in its folder gets \" (2)\", \" (3)\"...\n"
      "                              before its extension\n"
      "\n"
      "Ctrl-C stops a run between two files; it then ends as usual (summary, undo script).\n"
      "Names are printed with their control characters escaped, as \"\\x1b\" (C0 and DEL) or \"\\u009b\"\n"
      "(C1), and bytes that are not UTF-8 as \"\\xE9\"; this holds for --lines too (the files written by\n"
      "--save-preview and the scripts hold the names as they are).\n"
      "Exit status: 0 done, 1 some files were not renamed (or a name was left out of a script, or a\n"
      "recovery is not complete), 2 bad usage or bad input.\n");
}

namespace {

bool ParseIndexList(const QString &text, QList<int> &out) {
  for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int index = part.trimmed().toInt(&ok);
    if (!ok || index < 0)
      return false;
    out.append(index);
  }
  return true;
}

} // namespace

CliParse ParseCliArguments(const QStringList &args) {
  CliParse parse;
  CliArguments &a = parse.arguments;
  QStringList folders;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString &arg = args.at(i);
    // Options with a value take it from the next argument or after "=".
    QString name = arg;
    std::optional<QString> inlineValue;
    if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
      const qsizetype eq = arg.indexOf(QLatin1Char('='));
      name = arg.left(eq);
      inlineValue = arg.mid(eq + 1);
    }
    auto value = [&](QString &out) {
      if (inlineValue) {
        out = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) {
        parse.error = QStringLiteral("option %1 needs a value").arg(name);
        return false;
      }
      out = args.at(++i);
      return true;
    };
    QString v;
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
      a.help = true;
    } else if (name == QLatin1String("--version")) {
      a.version = true;
    } else if (name == QLatin1String("--recursive")) {
      a.recursive = true;
    } else if (name == QLatin1String("--lines")) {
      a.lines = true;
    } else if (name == QLatin1String("--recover")) {
      a.recover = true;
    } else if (name == QLatin1String("--check")) {
      a.check = true;
    } else if (name == QLatin1String("--force")) {
      a.force = true;
    } else if (name == QLatin1String("--rename")) {
      a.rename = true;
    } else if (name == QLatin1String("--options")) {
      if (!value(a.optionsFile))
        return parse;
    } else if (name == QLatin1String("--text-list")) {
      if (!value(a.textListFile))
        return parse;
    } else if (name == QLatin1String("--rename-script")) {
      if (!value(a.renameScript))
        return parse;
    } else if (name == QLatin1String("--undo-script")) {
      if (!value(a.undoScript))
        return parse;
    } else if (name == QLatin1String("--save-preview")) {
      if (!value(a.savePreview))
        return parse;
    } else if (name == QLatin1String("--set")) {
      if (!value(v))
        return parse;
      const qsizetype eq = v.indexOf(QLatin1Char('='));
      if (eq <= 0) {
        parse.error = QStringLiteral("--set takes FIELD=VALUE, not '%1'").arg(v);
        return parse;
      }
      a.settings.append({v.left(eq), v.mid(eq + 1)});
    } else if (name == QLatin1String("--sort")) {
      if (!value(v))
        return parse;
      QString column = v;
      if (v.endsWith(QLatin1String(":desc"))) {
        a.sortDescending = true;
        column.chop(5);
      } else if (v.endsWith(QLatin1String(":asc"))) {
        column.chop(4);
      }
      bool ok = false;
      const int c = column.toInt(&ok);
      if (!ok || c < 0 || c > 8) {
        parse.error =
            QStringLiteral("--sort takes a column from 0 to 8, optionally with :desc, not '%1'").arg(v);
        return parse;
      }
      a.sortColumn = c;
    } else if (name == QLatin1String("--select")) {
      if (!value(v))
        return parse;
      if (!ParseIndexList(v, a.selection)) {
        parse.error = QStringLiteral("--select takes positions from 0, separated by commas, not '%1'").arg(v);
        return parse;
      }
    } else if (name == QLatin1String("--now")) {
      if (!value(v))
        return parse;
      QDateTime now = QDateTime::fromString(v, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
      if (!now.isValid()) {
        parse.error = QStringLiteral("--now takes \"YYYY-MM-DD HH:MM:SS\", not '%1'").arg(v);
        return parse;
      }
      a.now = now;
    } else if (name == QLatin1String("--seed")) {
      if (!value(v))
        return parse;
      bool ok = false;
      const quint32 seed = v.toUInt(&ok);
      if (!ok) {
        parse.error = QStringLiteral("--seed takes a whole number from 0 to 4294967295, not '%1'").arg(v);
        return parse;
      }
      a.seed = seed;
    } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      parse.error = QStringLiteral("unknown option '%1'").arg(arg);
      return parse;
    } else {
      folders.append(arg);
    }
  }
  if (a.help || a.version || (a.recover && folders.isEmpty()))
    return parse;
  if (folders.size() != 1) {
    parse.error = folders.isEmpty() ? QStringLiteral("no FOLDER given (try --help)")
                                    : QStringLiteral("only one FOLDER may be given");
    return parse;
  }
  a.folder = folders.first();
  if (!a.undoScript.isEmpty() && !a.rename)
    parse.error = QStringLiteral("--undo-script needs --rename");
  else if (a.check && a.rename)
    parse.error = QStringLiteral("--check tells what would fail without renaming: drop --rename");
  else if (!a.renameScript.isEmpty() && a.rename)
    parse.error = QStringLiteral("--rename-script writes the renames instead of doing them: drop --rename");
  return parse;
}

#include "engine/shell_script.h"

namespace {

// The moves call this function. "-L" comes first because "-e" and "-ef" follow links: a link under
// the new name, or a link that leads to its own target, is never replaced.
constexpr char kPrologue[] =
    "#!/bin/sh\n"
    "# Written by Zelvo Rename 2000. Run it with sh; no move replaces an existing file.\n"
    "failed=0\n"
    "move() {\n"
    "  if [ -L \"$2\" ] || { [ -e \"$2\" ] && { [ -L \"$1\" ] || ! [ \"$1\" -ef \"$2\" ]; }; }; then\n"
    "    printf 'Not renamed: %s -> %s (the new name is taken)\\n' \"$1\" \"$2\" >&2\n"
    "    failed=$((failed + 1))\n"
    "  elif ! mv -- \"$1\" \"$2\"; then\n"
    "    printf 'Not renamed: %s -> %s\\n' \"$1\" \"$2\" >&2\n"
    "    failed=$((failed + 1))\n"
    "  fi\n"
    "}\n";

constexpr char kEpilogue[] = "if [ \"$failed\" -ne 0 ]; then\n"
                             "  printf '%s of %s moves failed\\n' \"$failed\" ";
constexpr char kEnd[] = " >&2\n"
                        "  exit 1\n"
                        "fi\n"
                        "exit 0\n";

} // namespace

QByteArray ShellQuoted(QByteArrayView bytes) {
  QByteArray quoted;
  quoted.reserve(bytes.size() + 2);
  quoted += '\'';
  for (char c : bytes) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  quoted += '\'';
  return quoted;
}

QByteArray MakeShellScript(std::span<const ShellMove> moves) {
  QByteArray script(kPrologue);
  for (const ShellMove &m : moves)
    script += "move " + ShellQuoted(m.from) + ' ' + ShellQuoted(m.to) + '\n';
  script += kEpilogue + QByteArray::number(qsizetype(moves.size())) + kEnd;
  return script;
}

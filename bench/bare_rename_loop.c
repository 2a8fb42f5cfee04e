/* Baseline for the command-line comparison: read a folder and rename every file to "x_" + name with
   renameat2(RENAME_NOREPLACE), nothing else. */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv) {
  if (argc != 2)
    return 2;
  DIR *dir = opendir(argv[1]);
  if (!dir)
    return 2;
  int fd = dirfd(dir);
  size_t count = 0, cap = 1024;
  char **names = malloc(cap * sizeof *names);
  struct dirent *e;
  while ((e = readdir(dir))) {
    if (e->d_name[0] == '.')
      continue;
    if (count == cap)
      names = realloc(names, (cap *= 2) * sizeof *names);
    names[count++] = strdup(e->d_name);
  }
  int failed = 0;
  char target[4096];
  for (size_t i = 0; i < count; ++i) {
    snprintf(target, sizeof target, "x_%s", names[i]);
    if (renameat2(fd, names[i], fd, target, RENAME_NOREPLACE) != 0)
      failed = 1;
  }
  closedir(dir);
  return failed;
}

// The order of a rename run: names freed before they are taken, cycles broken through a free name.
#pragma once

#include "engine/path_list.h"

#include <QtGlobal>

#include <span>
#include <vector>

// One entry of the run in the order it is taken. A cycle (a swap, or a to b, b to c, c to a) starts
// with the entry that goes to a temporary name first, with cycleLength the number of entries in the
// cycle; the next cycleLength - 1 steps are the rest of the cycle, each of which frees the name the
// one before needs, and the first entry then leaves its temporary name for its new one.
struct OrderedStep {
  qint32 entry = 0;
  qint32 cycleLength = 0; // 0 outside cycles and on every entry of a cycle but the first
};

// Orders a run of from.size() entries; entry i moves from from[i] to to[i], and an empty to[i] (or
// one equal to from[i]) means it does not move. Every entry appears once:
// - entries whose new name is free, and those that do not move, keep the list's order;
// - an entry whose new name is the present name of another moving entry comes right after it;
// - entries whose new names form a cycle come after those, one cycle after another;
// - an entry whose new name another entry earlier in the list also wants comes last, in list order,
//   so that the first of them gets the name and the others fail as on a taken name.
std::vector<OrderedStep> OrderRenames(PathList from, PathList to);

#include "engine/rename_order.h"

#include "engine/name_index.h"

#include <array>

std::vector<OrderedStep> OrderRenames(PathList from, PathList to) {
  const qsizetype count = qsizetype(from.size());
  auto moving = [&](qsizetype i) { return !to[i].isEmpty() && to[i] != from[i]; };

  std::vector<char> moves(count, 0);
  for (qsizetype i = 0; i < count; ++i)
    moves[i] = moving(i);
  // Calls visit(i, hash) for every moving entry i with the hash of names[i]. Every name is hashed a
  // few entries ahead and the slot it falls on in index asked for then, as a big run's tables are
  // far larger than the processor's caches; the hashes wait in a ring until their entry comes.
  auto eachMoving = [&](PathList names, const ListNameIndex &index, auto visit) {
    constexpr qsizetype kAhead = 12, kRing = 16;
    std::array<size_t, kRing> hashes{};
    auto ahead = [&](qsizetype k) {
      if (k < count && moves[k]) {
        hashes[k % kRing] = NameIndex::Hash(names[k]);
        index.Prefetch(hashes[k % kRing]);
      }
    };
    for (qsizetype k = 0; k < kAhead; ++k)
      ahead(k);
    for (qsizetype i = 0; i < count; ++i) {
      ahead(i + kAhead);
      if (moves[i])
        visit(i, hashes[i % kRing]);
    }
  };

  // Who is the first to want each name, then who holds it now; one table at a time, each let go as
  // soon as it has served: a big run's tables are its largest.
  std::vector<char> loser(count, 0), done(count, 0), walked(count, 0);
  {
    ListNameIndex firstWanting(to);
    eachMoving(to, firstWanting, [&](qsizetype i, size_t hash) {
      if (firstWanting.AddFirst(i, hash) >= 0)
        loser[i] = 1;
    });
  }
  // waitsFor[i]: the entry that must move before i can take its name; waiter is the other way
  // round. Names wanted by one entry each, so every entry has at most one waiter.
  std::vector<qint32> waitsFor(count, -1), waiter(count, -1);
  {
    ListNameIndex holder(from);
    eachMoving(from, holder, [&](qsizetype i, size_t hash) { holder.AddFirst(i, hash); });
    eachMoving(to, holder, [&](qsizetype i, size_t hash) {
      if (loser[i])
        return;
      const qsizetype j = holder.Find(to[i], hash);
      if (j >= 0 && j != i) {
        waitsFor[i] = qint32(j);
        waiter[j] = qint32(i);
      }
    });
  }

  std::vector<OrderedStep> order;
  order.reserve(count);
  // Takes an entry, then every entry that was waiting for the name it frees.
  auto take = [&](qsizetype i) {
    for (; i >= 0 && !done[i]; i = waiter[i]) {
      order.push_back({qint32(i), 0});
      done[i] = 1;
    }
  };
  for (qsizetype i = 0; i < count; ++i)
    if (!done[i] && !loser[i] && (waitsFor[i] < 0 || done[waitsFor[i]]))
      take(i);

  // What is left waits in a cycle, or behind an entry that lost its name to another.
  std::vector<qsizetype> cycle;
  for (qsizetype i = 0; i < count; ++i) {
    if (done[i] || loser[i] || walked[i])
      continue;
    cycle.clear();
    qsizetype k = i;
    while (k >= 0 && !walked[k] && !loser[k] && !done[k]) {
      walked[k] = 1;
      cycle.push_back(k);
      k = waitsFor[k];
    }
    if (k != i)
      continue; // ends at a losing entry: taken after it
    order.push_back({qint32(i), qint32(cycle.size())});
    done[i] = 1;
    for (auto it = cycle.rbegin(); it + 1 != cycle.rend(); ++it) {
      order.push_back({qint32(*it), 0});
      done[*it] = 1;
    }
  }
  for (qsizetype i = 0; i < count; ++i)
    if (loser[i] && !done[i])
      take(i);
  for (qsizetype i = 0; i < count; ++i) // nothing should be left; never drop an entry
    if (!done[i])
      take(i);
  return order;
}

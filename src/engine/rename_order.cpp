#include "engine/rename_order.h"

#include "engine/name_index.h"

#include <array>

std::vector<OrderedStep> OrderRenames(std::span<const QByteArray> from, std::span<const QByteArray> to) {
  const qsizetype count = qsizetype(from.size());
  auto moving = [&](qsizetype i) { return !to[i].isEmpty() && to[i] != from[i]; };

  // Who holds a name now, and who is the first to want it. Every name is hashed once a pass, a few
  // entries ahead, and the slots it falls on are asked for then, as a big run's tables are far
  // larger than the processor's caches; the hashes wait in a ring until their entry comes.
  constexpr qsizetype kAhead = 12, kRing = 16;
  std::vector<char> moves(count, 0);
  for (qsizetype i = 0; i < count; ++i)
    moves[i] = moving(i);
  ListNameIndex holder(from), firstWanting(to);
  std::vector<char> loser(count, 0), done(count, 0), walked(count, 0);
  std::array<size_t, kRing> fromHash{}, toHash{};
  auto hashAhead = [&](qsizetype k, bool both) {
    if (k >= count || !moves[k])
      return;
    toHash[k % kRing] = NameIndex::Hash(to[k]);
    holder.Prefetch(toHash[k % kRing]);
    if (both) {
      fromHash[k % kRing] = NameIndex::Hash(from[k]);
      holder.Prefetch(fromHash[k % kRing]);
      firstWanting.Prefetch(toHash[k % kRing]);
    }
  };
  for (qsizetype k = 0; k < kAhead; ++k)
    hashAhead(k, true);
  for (qsizetype i = 0; i < count; ++i) {
    hashAhead(i + kAhead, true);
    if (moves[i]) {
      holder.AddFirst(i, fromHash[i % kRing]);
      if (firstWanting.AddFirst(i, toHash[i % kRing]) >= 0)
        loser[i] = 1;
    }
  }
  // waitsFor[i]: the entry that must move before i can take its name; waiter is the other way
  // round. Names wanted by one entry each, so every entry has at most one waiter.
  std::vector<qint32> waitsFor(count, -1), waiter(count, -1);
  for (qsizetype k = 0; k < kAhead; ++k)
    hashAhead(k, false);
  for (qsizetype i = 0; i < count; ++i) {
    hashAhead(i + kAhead, false);
    if (!moves[i] || loser[i])
      continue;
    const qsizetype j = holder.Find(to[i], toHash[i % kRing]);
    if (j >= 0 && j != i) {
      waitsFor[i] = qint32(j);
      waiter[j] = qint32(i);
    }
  }

  std::vector<OrderedStep> order;
  order.reserve(count);
  // Takes an entry, then every entry that was waiting for the name it frees.
  auto take = [&](qsizetype i) {
    for (; i >= 0 && !done[i]; i = waiter[i]) {
      order.push_back({i, 0});
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
    order.push_back({i, qsizetype(cycle.size())});
    done[i] = 1;
    for (auto it = cycle.rbegin(); it + 1 != cycle.rend(); ++it) {
      order.push_back({*it, 0});
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

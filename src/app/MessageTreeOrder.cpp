#include "MessageTreeOrder.h"

#include "text/IntegerValue.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tavrel {

namespace {

// A sequence of entries held as an implicit treap: a node's position is the number of nodes
// before it in an in-order walk. Every node knows its parent, so a node's position can be
// found from the node itself.
class PositionTree
{
public:
    explicit PositionTree(qsizetype capacity) { m_nodes.reserve(size_t(capacity)); }

    int add(int level)
    {
        Node node;
        node.level = level;
        node.minLevel = level;
        node.priority = nextPriority();
        m_nodes.push_back(node);
        return int(m_nodes.size()) - 1;
    }

    int size() const { return sizeOf(m_root); }

    void insertAt(int position, int node)
    {
        int before = -1;
        int after = -1;
        split(m_root, position, before, after);
        m_root = merge(merge(before, node), after);
        m_nodes[size_t(m_root)].parent = -1;
    }

    int positionOf(int node) const
    {
        int position = sizeOf(at(node).left);
        for (int child = node, parent = at(node).parent; parent >= 0;
             child = parent, parent = at(parent).parent) {
            if (at(parent).right == child)
                position += sizeOf(at(parent).left) + 1;
        }
        return position;
    }

    // The first position at or after `from` whose level is below `level`; size() when none.
    int firstBelow(int from, int level) const
    {
        const int found = firstBelow(m_root, 0, from, level);
        return found < 0 ? size() : found;
    }

    int levelOf(int node) const { return at(node).level; }

    // The nodes in position order.
    std::vector<int> inOrder() const
    {
        std::vector<int> order;
        order.reserve(m_nodes.size());
        std::vector<int> stack;
        int node = m_root;
        while (node >= 0 || !stack.empty()) {
            while (node >= 0) {
                stack.push_back(node);
                node = at(node).left;
            }
            node = stack.back();
            stack.pop_back();
            order.push_back(node);
            node = at(node).right;
        }
        return order;
    }

private:
    struct Node
    {
        int left = -1;
        int right = -1;
        int parent = -1;
        int size = 1;
        int level = 0;
        int minLevel = 0;
        std::uint32_t priority = 0;
    };

    const Node& at(int node) const { return m_nodes[size_t(node)]; }
    Node& at(int node) { return m_nodes[size_t(node)]; }
    int sizeOf(int node) const { return node < 0 ? 0 : at(node).size; }
    int minLevelOf(int node) const { return node < 0 ? INT_MAX : at(node).minLevel; }

    std::uint32_t nextPriority()
    {
        // xorshift32: a fixed seed keeps every run alike.
        m_seed ^= m_seed << 13;
        m_seed ^= m_seed >> 17;
        m_seed ^= m_seed << 5;
        return m_seed;
    }

    void update(int node)
    {
        Node& n = at(node);
        n.size = 1 + sizeOf(n.left) + sizeOf(n.right);
        n.minLevel = std::min({n.level, minLevelOf(n.left), minLevelOf(n.right)});
        if (n.left >= 0)
            at(n.left).parent = node;
        if (n.right >= 0)
            at(n.right).parent = node;
    }

    // Splits `node`'s subtree into its first `count` nodes and the rest.
    void split(int node, int count, int& first, int& rest)
    {
        if (node < 0) {
            first = rest = -1;
            return;
        }
        const int leftSize = sizeOf(at(node).left);
        if (leftSize < count) {
            int a = -1;
            split(at(node).right, count - leftSize - 1, a, rest);
            at(node).right = a;
            update(node);
            first = node;
        } else {
            int b = -1;
            split(at(node).left, count, first, b);
            at(node).left = b;
            update(node);
            rest = node;
        }
        if (first >= 0)
            at(first).parent = -1;
        if (rest >= 0)
            at(rest).parent = -1;
    }

    int merge(int a, int b)
    {
        if (a < 0)
            return b;
        if (b < 0)
            return a;
        if (at(a).priority > at(b).priority) {
            at(a).right = merge(at(a).right, b);
            update(a);
            return a;
        }
        at(b).left = merge(a, at(b).left);
        update(b);
        return b;
    }

    int firstBelow(int node, int offset, int from, int level) const
    {
        if (node < 0 || at(node).minLevel >= level || offset + at(node).size <= from)
            return -1;
        const int position = offset + sizeOf(at(node).left);
        if (from < position) {
            const int found = firstBelow(at(node).left, offset, from, level);
            if (found >= 0)
                return found;
        }
        if (position >= from && at(node).level < level)
            return position;
        return firstBelow(at(node).right, position + 1, from, level);
    }

    std::vector<Node> m_nodes;
    int m_root = -1;
    std::uint32_t m_seed = 2463534242u;
};

} // namespace

std::vector<MessageTreeOrder::Placement> MessageTreeOrder::arrange(const std::vector<Entry>& entries)
{
    const qsizetype count = qsizetype(entries.size());
    std::vector<Placement> placements(entries.size());
    if (count == 0)
        return placements;

    PositionTree tree(count);
    std::vector<std::optional<int>> newLevels(entries.size());
    // For each "Number" text, the node of the last-placed record holding it (the nearest
    // match looking up from the end of the arranged part). Existing nodes never change their
    // relative order, so only a newly placed one can take over.
    QHash<QStringView, int> nearest;
    nearest.reserve(count);
    auto noteNumber = [&](qsizetype index, int node) {
        if (!entries[size_t(index)].number)
            return;
        auto it = nearest.find(*entries[size_t(index)].number);
        if (it == nearest.end())
            nearest.insert(*entries[size_t(index)].number, node);
        else if (tree.positionOf(node) > tree.positionOf(*it))
            *it = node;
    };

    for (qsizetype i = 0; i < count; ++i) {
        const Entry& entry = entries[size_t(i)];
        int parent = -1;
        if (i > 0 && entry.comment && *entry.comment != u"0") {
            const auto it = nearest.constFind(*entry.comment);
            if (it != nearest.cend())
                parent = *it;
        }
        if (parent < 0) {
            const int node = tree.add(entry.level);
            tree.insertAt(tree.size(), node);
            noteNumber(i, node);
            continue;
        }
        const int level = saturatingAdd(tree.levelOf(parent), 1);
        newLevels[size_t(i)] = level;
        const int at = tree.firstBelow(tree.positionOf(parent) + 1, level);
        const int node = tree.add(level);
        tree.insertAt(at, node);
        noteNumber(i, node);
    }

    const std::vector<int> order = tree.inOrder();
    for (size_t position = 0; position < order.size(); ++position) {
        // Nodes are numbered in the order the entries were added, which is entry order.
        const qsizetype entry = order[position];
        placements[position] = {entry, newLevels[size_t(entry)]};
    }
    return placements;
}

} // namespace tavrel

#include "support/nametrie.h"

namespace {

quint64 edgeKey(int node, QChar c)
{
    return (quint64(quint32(node)) << 16) | c.toCaseFolded().unicode();
}

} // namespace

void NameTrie::insert(const QString& name, int id)
{
    if (name.isEmpty() || name.size() > longestName)
        return;
    int node = 0;
    for (const QChar c : name) {
        const quint64 key = edgeKey(node, c);
        auto found = edges.constFind(key);
        if (found == edges.constEnd()) {
            terminals.push_back(-1);
            found = edges.insert(key, int(terminals.size()) - 1);
        }
        node = *found;
    }
    if (terminals[size_t(node)] < 0)
        terminals[size_t(node)] = id;
}

int NameTrie::child(int node, QChar c) const
{
    return edges.value(edgeKey(node, c), -1);
}

std::optional<NameTrie::Match> NameTrie::longestAt(const QString& text, int from) const
{
    std::optional<Match> longest;
    int node = 0;
    const int end = qMin(text.size(), from + longestName);
    for (int i = from; i < end; ++i) {
        node = child(node, text.at(i));
        if (node < 0)
            break;
        const int id = terminals[size_t(node)];
        if (id >= 0 && (i + 1 == text.size() || !isWordCharacter(text.at(i + 1))))
            longest = Match{i + 1 - from, id};
    }
    return longest;
}

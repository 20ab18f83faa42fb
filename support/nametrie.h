#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// Finds known names in free text as whole words, whatever their case, in time linear in the text: a trie of the
// names' case-folded characters, walked from each word's start for the longest name that ends where a word does.
// One alternation of every name in a regular expression grows past what the engine accepts once thousands are known.
class NameTrie
{
public:
    // Longer names are still replaced where a field holds them, just not searched for in text.
    static constexpr int longestName = 128;

    struct Match
    {
        int length;
        int id;
    };

    // `id` is the caller's; a name inserted again keeps its first id.
    void insert(const QString& name, int id);
    // The longest name that starts at `from` and ends before a character that is not part of a word.
    std::optional<Match> longestAt(const QString& text, int from) const;
    bool isEmpty() const { return terminals.empty(); }

    static bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

private:
    int child(int node, QChar c) const;

    // Edges by (node, case-folded character); node 0 is the root.
    QHash<quint64, int> edges;
    // The id of the name that ends at each node, or -1.
    std::vector<int> terminals{-1};
};

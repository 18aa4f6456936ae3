#pragma once
// A small element tree read from an XML document: just what the game-file
// reader needs to find the game's root anywhere in the document and walk its
// children. Built from QXmlStreamReader, refusing document type declarations
// (Qt lets an entity blow-up through them) and bounded in size.

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>
#include <vector>

/// One element: its name, its attributes in document order, the line it
/// starts on, and the indexes of its child elements in document order.
struct TXmlElement {
    QString name;
    QXmlStreamAttributes attributes;
    qint64 line = 0;
    std::vector<int> children;
};

/// The elements of one document, kept flat in document order (index 0 is the
/// document element), so neither a search nor the destruction of a deeply
/// nested document recurses.
class TXmlElementTree {
public:
    /// Parses a whole document. On any failure the tree is empty and Problem()
    /// says what is wrong: not well-formed (with line and column), a document
    /// type declaration, or more than maxElements elements.
    static TXmlElementTree Parse(const QByteArray& data, int maxElements);

    /// Empty when the document was read; else why it was not.
    const QString& Problem() const { return _problem; }
    /// Number of elements (0 after a failure).
    int Count() const { return static_cast<int>(_elements.size()); }
    /// The element at an index 0..Count()-1.
    const TXmlElement& Element(int index) const { return _elements.at(static_cast<std::size_t>(index)); }

    /// The first element in depth-first order from `from` (the element itself
    /// first, then each child's subtree in document order) whose name equals
    /// `name` ignoring letter case; -1 when there is none or `from` is no element.
    int FindIgnoringCase(int from, const QString& name) const;

private:
    std::vector<TXmlElement> _elements;
    QString _problem;
};

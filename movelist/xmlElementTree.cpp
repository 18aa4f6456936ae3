#include "xmlElementTree.h"

#include <QXmlStreamReader>

TXmlElementTree TXmlElementTree::Parse(const QByteArray& data, int maxElements)
{
    TXmlElementTree tree;
    QXmlStreamReader reader(data);
    std::vector<int> open; // the elements whose end tag is still to come
    const auto fail = [&tree](const QString& problem) {
        tree._elements.clear();
        tree._problem = problem;
        return tree;
    };

    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
            return fail(QStringLiteral("it contains a document type declaration (DTD), which game files "
                                       "never have and which is refused"));
        if (token == QXmlStreamReader::StartElement) {
            if (tree.Count() >= maxElements)
                return fail(QStringLiteral("it holds more than %1 elements").arg(maxElements));
            const int index = tree.Count();
            if (!open.empty())
                tree._elements[static_cast<std::size_t>(open.back())].children.push_back(index);
            tree._elements.push_back(
                TXmlElement{reader.name().toString(), reader.attributes(), reader.lineNumber(), {}});
            open.push_back(index);
        } else if (token == QXmlStreamReader::EndElement && !open.empty()) {
            open.pop_back();
        }
    }
    if (reader.hasError()) {
        QString reason = reader.errorString();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        return fail(QStringLiteral("it is not well-formed XML (line %1, column %2: %3)")
                        .arg(reader.lineNumber())
                        .arg(reader.columnNumber())
                        .arg(reason));
    }
    return tree;
}

int TXmlElementTree::FindIgnoringCase(int from, const QString& name) const
{
    if (from < 0 || from >= Count())
        return -1;
    // An explicit stack keeps the depth-first order without recursion.
    std::vector<int> pending{from};
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        const TXmlElement& element = Element(index);
        if (element.name.compare(name, Qt::CaseInsensitive) == 0)
            return index;
        pending.insert(pending.end(), element.children.rbegin(), element.children.rend());
    }
    return -1;
}

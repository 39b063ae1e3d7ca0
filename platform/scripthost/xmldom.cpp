#include "platform/scripthost/xmldom.h"

#include "platform/scripthost/filesystem.h"
#include "platform/xmlguard.h"
#include "vbscript/hostobject.h"

#include <QDomDocument>
#include <QHash>
#include <QTextStream>
#include <QUrl>

namespace vbscript::hosts {

namespace {

constexpr qint32 c_iUnsupportedPath = qint32(0x80004005);

Value nodeValue(const QDomNode &node);

class NodeList : public HostObject
{
public:
    explicit NodeList(QVector<QDomNode> nodes)
        : m_nodes(std::move(nodes))
    { }

    QString typeName() const override { return QStringLiteral("IXMLDOMSelection"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("length"))) {
            args.expectCount(0);
            return Value(m_nodes.size());
        }
        if (strName.isEmpty() || nameIs(strName, QLatin1String("item"))) {
            args.expectCount(1);
            const qint32 i = args[0].toLong();
            return i >= 0 && i < m_nodes.size() ? nodeValue(m_nodes.at(i)) : Value::nothing();
        }
        unsupported(strName);
    }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        return getProperty(strName, args);
    }

    std::unique_ptr<Enumerator> enumerate() override
    {
        QVector<Value> items;
        items.reserve(m_nodes.size());
        for (const QDomNode &node : m_nodes)
            items.append(nodeValue(node));
        return std::make_unique<ListEnumerator>(std::move(items));
    }

private:
    QVector<QDomNode> m_nodes;
};

Value listValue(QVector<QDomNode> nodes)
{
    return Value(ObjectPtr(std::make_shared<NodeList>(std::move(nodes))));
}

QVector<QDomNode> children(const QDomNode &node)
{
    QVector<QDomNode> result;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        result.append(child);
    return result;
}

void addDescendants(const QDomNode &node, QVector<QDomNode> &result)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        result.append(child);
        addDescendants(child, result);
    }
}

bool matchesStep(const QDomNode &node, const QString &strStep)
{
    if (!node.isElement())
        return false;
    return strStep == QLatin1String("*") || node.nodeName() == strStep;
}

// Evaluates a location path of names, "*", "." and ".." joined by "/" and "//".
QVector<QDomNode> select(const QDomNode &context, const QString &strPath)
{
    QString path = strPath.trimmed();
    if (path.isEmpty())
        raiseError(c_iUnsupportedPath, QStringLiteral("Expected token"));
    for (const QChar c : path)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-')
              || c == QLatin1Char('.') || c == QLatin1Char('*') || c == QLatin1Char('/')))
            raiseError(c_iUnsupportedPath, QStringLiteral("Unsupported location path: ") + strPath);

    QVector<QDomNode> current {context};
    if (path.startsWith(QLatin1Char('/'))) {
        QDomNode root = context;
        while (!root.parentNode().isNull())
            root = root.parentNode();
        current = {root};
        if (!path.startsWith(QLatin1String("//")))
            path = path.mid(1);
        if (path.isEmpty())
            return current;
    }

    int iPos = 0;
    while (iPos < path.size()) {
        bool bDescendants = false;
        if (path.midRef(iPos).startsWith(QLatin1String("//"))) {
            bDescendants = true;
            iPos += 2;
        } else if (path.at(iPos) == QLatin1Char('/')) {
            iPos += 1;
        }
        int iEnd = path.indexOf(QLatin1Char('/'), iPos);
        if (iEnd < 0)
            iEnd = path.size();
        const QString step = path.mid(iPos, iEnd - iPos);
        if (step.isEmpty())
            raiseError(c_iUnsupportedPath, QStringLiteral("Expected token"));
        iPos = iEnd;

        QVector<QDomNode> next;
        for (const QDomNode &node : qAsConst(current)) {
            QVector<QDomNode> candidates;
            if (step == QLatin1String(".")) {
                candidates = {node};
            } else if (step == QLatin1String("..")) {
                if (!node.parentNode().isNull())
                    candidates = {node.parentNode()};
            } else if (bDescendants) {
                addDescendants(node, candidates);
            } else {
                candidates = children(node);
            }
            for (const QDomNode &candidate : qAsConst(candidates)) {
                const bool bSelf = step == QLatin1String(".") || step == QLatin1String("..");
                if ((bSelf || matchesStep(candidate, step))
                    && (current.size() == 1 || !next.contains(candidate)))
                    next.append(candidate);
            }
        }
        current = next;
    }
    return current;
}

bool isXmlSpace(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n')
            || ch == QLatin1Char('\r');
}

// The text without the white space at either end, but keeping the characters in
// [iKeepFrom, iKeepTo): a CDATA section's text is never trimmed.
QString trimmedOutside(const QString &text, int iKeepFrom, int iKeepTo)
{
    int iStart = 0;
    while (iStart < iKeepFrom && isXmlSpace(text.at(iStart)))
        ++iStart;
    int iEnd = text.size();
    while (iEnd > qMax(iKeepTo, iStart) && isXmlSpace(text.at(iEnd - 1)))
        --iEnd;
    return text.mid(iStart, iEnd - iStart);
}

// Appends the text and CDATA sections below the node as they stand, through elements and
// entity references; comments and processing instructions add nothing. Notes where the first
// CDATA section starts and the last one ends.
void appendTextBelow(const QDomNode &node, QString &text, int &iFirstCData, int &iCDataEnd)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isCDATASection()) {
            if (iFirstCData < 0)
                iFirstCData = text.size();
            text += child.nodeValue();
            iCDataEnd = text.size();
        } else if (child.isText()) {
            text += child.nodeValue();
        } else if (child.isElement() || child.isEntityReference()) {
            appendTextBelow(child, text, iFirstCData, iCDataEnd);
        }
    }
}

// The "text" property: an element's or document's text is all the text below it, trimmed at
// either end except where a CDATA section stands; a text node's is its value, trimmed; a
// comment's, CDATA section's or instruction's is its value as it stands.
QString nodeText(const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
    case QDomNode::DocumentNode:
    case QDomNode::DocumentFragmentNode:
    case QDomNode::EntityReferenceNode: {
        QString text;
        int iFirstCData = -1;
        int iCDataEnd = -1;
        appendTextBelow(node, text, iFirstCData, iCDataEnd);
        return trimmedOutside(text, iFirstCData < 0 ? text.size() : iFirstCData, iCDataEnd);
    }
    case QDomNode::TextNode: {
        const QString value = node.nodeValue();
        return trimmedOutside(value, value.size(), -1);
    }
    case QDomNode::CDATASectionNode:
    case QDomNode::CommentNode:
    case QDomNode::ProcessingInstructionNode:
    case QDomNode::AttributeNode:
        return node.nodeValue();
    default:
        return QString();
    }
}

// The "nodeValue" property: Null for the kinds of node that hold other nodes.
Value nodeValueOf(const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::TextNode:
    case QDomNode::CDATASectionNode:
    case QDomNode::CommentNode:
    case QDomNode::ProcessingInstructionNode:
    case QDomNode::AttributeNode:
        return Value(node.nodeValue());
    default:
        return Value::null();
    }
}

QString interfaceName(const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        return QStringLiteral("IXMLDOMElement");
    case QDomNode::TextNode:
        return QStringLiteral("IXMLDOMText");
    case QDomNode::CDATASectionNode:
        return QStringLiteral("IXMLDOMCDATASection");
    case QDomNode::CommentNode:
        return QStringLiteral("IXMLDOMComment");
    case QDomNode::ProcessingInstructionNode:
        return QStringLiteral("IXMLDOMProcessingInstruction");
    case QDomNode::EntityReferenceNode:
        return QStringLiteral("IXMLDOMEntityReference");
    case QDomNode::DocumentTypeNode:
        return QStringLiteral("IXMLDOMDocumentType");
    default:
        return QStringLiteral("IXMLDOMNode");
    }
}

class Node : public HostObject
{
public:
    explicit Node(QDomNode node)
        : m_node(std::move(node))
    { }

    QString typeName() const override { return interfaceName(m_node); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("selectNodes"))) {
            args.expectCount(1);
            return listValue(select(m_node, args[0].toString()));
        }
        if (nameIs(strName, QLatin1String("selectSingleNode"))) {
            args.expectCount(1);
            const QVector<QDomNode> nodes = select(m_node, args[0].toString());
            return nodes.isEmpty() ? Value::nothing() : nodeValue(nodes.first());
        }
        if (nameIs(strName, QLatin1String("getAttribute"))) {
            args.expectCount(1);
            const QDomElement element = m_node.toElement();
            const QString name = args[0].toString();
            return element.hasAttribute(name) ? Value(element.attribute(name)) : Value::null();
        }
        args.expectCount(0);
        if (nameIs(strName, QLatin1String("text")))
            return Value(nodeText(m_node));
        if (nameIs(strName, QLatin1String("nodeName")))
            return Value(m_node.nodeName());
        if (nameIs(strName, QLatin1String("nodeValue")))
            return nodeValueOf(m_node);
        if (nameIs(strName, QLatin1String("nodeType")))
            return Value(int(m_node.nodeType()));
        if (nameIs(strName, QLatin1String("childNodes")))
            return listValue(children(m_node));
        if (nameIs(strName, QLatin1String("hasChildNodes")))
            return Value(m_node.hasChildNodes());
        if (nameIs(strName, QLatin1String("firstChild")))
            return nodeValue(m_node.firstChild());
        if (nameIs(strName, QLatin1String("lastChild")))
            return nodeValue(m_node.lastChild());
        if (nameIs(strName, QLatin1String("parentNode")))
            return nodeValue(m_node.parentNode());
        if (nameIs(strName, QLatin1String("nextSibling")))
            return nodeValue(m_node.nextSibling());
        if (nameIs(strName, QLatin1String("xml"))) {
            QString text;
            QTextStream stream(&text);
            m_node.save(stream, -1);
            return Value(text);
        }
        if (strName.isEmpty())
            return Value(nodeText(m_node));
        unsupported(strName);
    }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        return getProperty(strName, args);
    }

protected:
    QDomNode m_node;
};

Value nodeValue(const QDomNode &node)
{
    if (node.isNull())
        return Value::nothing();
    return Value(ObjectPtr(std::make_shared<Node>(node)));
}

class ParseError : public HostObject
{
public:
    ParseError(qint32 iCode, QString strReason, int iLine)
        : m_iCode(iCode)
        , m_strReason(std::move(strReason))
        , m_iLine(iLine)
    { }

    QString typeName() const override { return QStringLiteral("IXMLDOMParseError"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        args.expectCount(0);
        if (strName.isEmpty() || nameIs(strName, QLatin1String("errorCode")))
            return Value::longValue(m_iCode);
        if (nameIs(strName, QLatin1String("reason")))
            return Value(m_strReason);
        if (nameIs(strName, QLatin1String("line")))
            return Value(m_iLine);
        unsupported(strName);
    }

private:
    qint32 m_iCode;
    QString m_strReason;
    int m_iLine;
};

class Document : public Node
{
public:
    Document()
        : Node(QDomDocument())
    { }

    QString typeName() const override { return QStringLiteral("DOMDocument"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("load"))) {
            args.expectCount(1);
            return Value(load(args[0].toString()));
        }
        if (nameIs(strName, QLatin1String("loadXML"))) {
            args.expectCount(1);
            return Value(parse(args[0].toString().toUtf8()));
        }
        if (nameIs(strName, QLatin1String("documentElement"))) {
            args.expectCount(0);
            return nodeValue(m_node.toDocument().documentElement());
        }
        if (nameIs(strName, QLatin1String("parseError"))) {
            args.expectCount(0);
            return Value(ObjectPtr(
                    std::make_shared<ParseError>(m_iErrorCode, m_strErrorReason, m_iErrorLine)));
        }
        for (const QLatin1String flag :
             {QLatin1String("async"), QLatin1String("validateOnParse"),
              QLatin1String("resolveExternals"), QLatin1String("preserveWhiteSpace")}) {
            if (nameIs(strName, flag)) {
                args.expectCount(0);
                return Value(m_flags.value(flag,
                                           flag == QLatin1String("async")
                                                   || flag == QLatin1String("validateOnParse")));
            }
        }
        return Node::getProperty(strName, args);
    }

    void putProperty(const QString &strName, Arguments &args, const Value &value) override
    {
        args.expectCount(0);
        for (const QLatin1String flag :
             {QLatin1String("async"), QLatin1String("validateOnParse"),
              QLatin1String("resolveExternals"), QLatin1String("preserveWhiteSpace")}) {
            if (nameIs(strName, flag)) {
                m_flags.insert(flag, value.toBool());
                return;
            }
        }
        unsupported(strName);
    }

private:
    bool load(const QString &strSource)
    {
        QString path = strSource;
        if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
            path = QUrl(path).toLocalFile();
        QByteArray data;
        if (path.isEmpty() || !platform::readXmlSource(localPath(path), &data))
            return fail(qint32(0x800C0005),
                        QStringLiteral("The system cannot locate the resource specified."), 0);
        return parse(data);
    }

    bool parse(const QByteArray &data)
    {
        const platform::XmlCheck check = platform::checkXmlDocument(data);
        QDomDocument document;
        QString strError = check.strReason;
        int iLine = check.iLine;
        if (!check.bSafe || !document.setContent(data, &strError, &iLine))
            return fail(qint32(0xC00CE558), strError, iLine);
        m_node = document;
        m_iErrorCode = 0;
        m_strErrorReason.clear();
        m_iErrorLine = 0;
        return true;
    }

    bool fail(qint32 iCode, const QString &strReason, int iLine)
    {
        m_node = QDomDocument();
        m_iErrorCode = iCode;
        m_strErrorReason = strReason;
        m_iErrorLine = iLine;
        return false;
    }

    QHash<QString, bool> m_flags;
    qint32 m_iErrorCode = 0;
    QString m_strErrorReason;
    int m_iErrorLine = 0;
};

} // namespace

Value xmlDocument()
{
    return Value(ObjectPtr(std::make_shared<Document>()));
}

} // namespace vbscript::hosts

#include "platform/windowrequest.h"

#include <QDataStream>

namespace platform::windowrequest {

namespace {

constexpr quint32 c_uiPlainLength = 4 + 8 + 1 + 8;
constexpr quint32 c_uiCopyDataHeader = 4 + 8 + 1 + 8 + 4;
constexpr quint8 c_uiPlainKind = 0;
constexpr quint8 c_uiCopyDataKind = 1;

QByteArray withLength(const QByteArray &rest)
{
    QByteArray request;
    QDataStream stream(&request, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint32(rest.size());
    return request + rest;
}

} // namespace

Parse parse(const QByteArray &received, WindowMessage *pMessage)
{
    QDataStream stream(received);
    stream.setByteOrder(QDataStream::LittleEndian);
    quint32 uiLength = 0;
    stream >> uiLength;
    if (stream.status() != QDataStream::Ok)
        return Parse::Incomplete;
    if (uiLength < c_uiPlainLength || uiLength > c_uiMaxLength)
        return Parse::Malformed;
    if (quint32(received.size()) - 4 < uiLength)
        return Parse::Incomplete;

    WindowMessage message;
    quint8 uiKind = 0;
    stream >> message.uiMessage >> message.wParam >> uiKind;
    if (uiKind == c_uiPlainKind) {
        stream >> message.lParam;
        if (uiLength != c_uiPlainLength)
            return Parse::Malformed;
    } else if (uiKind == c_uiCopyDataKind && message.uiMessage == c_uiCopyDataMessage) {
        quint32 cbData = 0;
        stream >> message.dwData >> cbData;
        if (uiLength < c_uiCopyDataHeader || uiLength - c_uiCopyDataHeader != cbData)
            return Parse::Malformed;
        message.data = received.mid(4 + int(c_uiCopyDataHeader), int(cbData));
    } else {
        return Parse::Malformed;
    }
    *pMessage = message;
    return Parse::Complete;
}

QByteArray plainRequest(quint32 uiMessage, quint64 wParam, quint64 lParam)
{
    QByteArray rest;
    QDataStream stream(&rest, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << uiMessage << wParam << c_uiPlainKind << lParam;
    return withLength(rest);
}

QByteArray copyDataRequest(quint64 wParam, quint64 dwData, const QByteArray &data)
{
    QByteArray rest;
    QDataStream stream(&rest, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << c_uiCopyDataMessage << wParam << c_uiCopyDataKind << dwData << quint32(data.size());
    return withLength(rest + data);
}

} // namespace platform::windowrequest

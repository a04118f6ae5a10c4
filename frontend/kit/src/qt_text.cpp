#include "frontend/kit/qt_text.h"

#include "frontend/core/text_file.h"

#include <QStringDecoder>

namespace frontend
{

std::filesystem::path toPath(const QString &path)
{
    return core::pathFromUtf8(path.toStdString());
}

QString fileTextForDisplay(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace frontend

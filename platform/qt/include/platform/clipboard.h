#pragma once

#include <QString>

class QImage;

namespace platform
{

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual void setImage(const QImage &image) = 0;
};

/// The system clipboard.
class QtClipboard final : public Clipboard
{
public:
    void setText(const QString &text) override;
    void setImage(const QImage &image) override;
};

} // namespace platform

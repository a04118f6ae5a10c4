#pragma once
// Shows a window modally. Production runs the dialog's own event loop; tests show it without
// blocking and answer for it.

class QDialog;

namespace platform
{

class ModalRunner
{
public:
    virtual ~ModalRunner() = default;
    /// Shows `dialog` modally and returns its result code.
    virtual int run(QDialog &dialog) = 0;
};

class QtModalRunner final : public ModalRunner
{
public:
    int run(QDialog &dialog) override;
};

} // namespace platform

#pragma once
// Asks the size of a PNG picture: its width in pixels, the height following so the picture keeps its shape.

#include <QDialog>
#include <QSize>

class QLabel;
class QSpinBox;

namespace tools::graph
{

class PictureSizeDialog : public QDialog
{
    Q_OBJECT
public:
    /// Offers `screen` (the picture's size on the screen) to start with.
    explicit PictureSizeDialog(QSize screen, QWidget *parent = nullptr);

    QSize chosenSize() const;

private:
    void spnWidth_Change(int width);

    QSize m_screen;
    QSpinBox *m_spnWidth = nullptr;
    QLabel *m_lblHeight = nullptr;
};

} // namespace tools::graph

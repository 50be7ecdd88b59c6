#ifndef DEVICEACTIVEPAGE_H
#define DEVICEACTIVEPAGE_H

// The notice above the activation form of the configuration panel: a picture
// and a few centred lines telling the user that the selected device (or
// batch) is not activated yet, or, for a selection that mixes activated and
// not activated devices, that nothing can be done until all are activated.
// It takes no input.

#include <QWidget>

class QFrame;
class QLabel;

namespace TarnTool {

class DeviceActivePage : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Single, Batch, Mixed };

    explicit DeviceActivePage(QWidget *parent = nullptr);
    ~DeviceActivePage() override;

    void setMode(Mode mode);
    Mode mode() const;

    // A text as the page shows it: one centred rich-text paragraph.
    static QString centredParagraph(const QString &text);

private:
    void buildForm();

    QLabel *m_labelNetPara = nullptr;
    QLabel *m_labelPicture = nullptr;
    QLabel *m_labelWord1 = nullptr;
    QLabel *m_labelWord2 = nullptr;
    QLabel *m_labelWord3 = nullptr;
    QLabel *m_labelActiveNow = nullptr;
    QFrame *m_labelGrayline2 = nullptr;
    QFrame *m_labelGrayline3 = nullptr;
    QWidget *m_tipWidget = nullptr;
    Mode m_mode = Mode::Single;
};

} // namespace TarnTool

#endif // DEVICEACTIVEPAGE_H

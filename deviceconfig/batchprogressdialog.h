#ifndef BATCHPROGRESSDIALOG_H
#define BATCHPROGRESSDIALOG_H

// The progress box of a long batch: the device commands of a batch run one
// after the other on the GUI thread, so a batch over many devices would leave
// the window frozen without a word. Once a batch has taken half a second the
// box appears, modal, and shows "n of m" and the device being handled; it is
// brought up to date before every further device.
//
// Between devices the box lets the window system and queued events through
// (never the user's input, which the modal box and the flags refuse), so it
// is really drawn; the panel therefore keeps selection changes that arrive
// meanwhile until the batch is over.

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include <functional>

class QLabel;
class QProgressBar;

namespace TarnTool {

class BatchProgressDialog : public QDialog
{
    Q_OBJECT

public:
    // How long a batch runs before the box appears.
    static constexpr int ShowAfterMs = 500;

    BatchProgressDialog(int total, QWidget *parent = nullptr);
    ~BatchProgressDialog() override;

    // Called before device index (0-based) is handled; device names it.
    void advance(int index, const QString &device);

    QString countText() const;
    QString deviceText() const;

    // Tests watch the box through this: called each time the shown box has
    // been brought up to date, with the position (1-based), total and device.
    using Observer = std::function<void(int position, int total, const QString &device)>;
    static void setObserver(Observer observer);

private:
    QElapsedTimer m_clock;
    QLabel *m_labelCount = nullptr;
    QLabel *m_labelDevice = nullptr;
    QProgressBar *m_progressBar = nullptr;
    int m_total = 0;
};

} // namespace TarnTool

#endif // BATCHPROGRESSDIALOG_H

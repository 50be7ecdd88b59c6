#ifndef CHEADERVIEW_H
#define CHEADERVIEW_H

// Header of the toolkit's tables. A section whose header data holds true
// under CheckableRole shows a check box that stands for the check boxes of
// its column: it is checked when every checkable row is, partly checked when
// some are, and a click on it checks or unchecks them all. Clicks elsewhere
// on the section sort and move as usual.

#include <QHeaderView>

namespace MirelGUIToolkit {

class CHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    // Header data role that gives a section its check box.
    static constexpr int CheckableRole = 162;

    explicit CHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~CHeaderView() override;

    void setModel(QAbstractItemModel *model) override;

    bool isSectionCheckable(int logicalIndex) const;
    // The state the section's check box shows, from the rows of its column.
    Qt::CheckState sectionCheckState(int logicalIndex) const;
    // Checks or unchecks every checkable row of the section's column.
    void setSectionCheckState(int logicalIndex, Qt::CheckState state);

signals:
    // Around the rows' changes of setSectionCheckState, so that a listener to
    // every row's change can wait for the whole column.
    void sectionCheckStateAboutToChange(int logicalIndex);
    void sectionCheckStateChanged(int logicalIndex);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect indicatorRect(const QRect &sectionRect) const;
    int checkableSectionAt(const QPoint &pos) const;
    void refresh();

    int m_pressedSection = -1;
};

} // namespace MirelGUIToolkit

#endif // CHEADERVIEW_H

// A list that takes files dropped on it from a file manager.
#pragma once

#include <QObject>
#include <QStringList>

class QAbstractScrollArea;

namespace ui {

// Accepts a drag that carries local files over the view and reports the files of a drop, in the
// order the drop lists them; any other drag is refused.
class FileDropTarget : public QObject {
    Q_OBJECT
public:
    // Turns on the view's drop target; the target lives as long as the view.
    static FileDropTarget *install(QAbstractScrollArea *view);

Q_SIGNALS:
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace ui

#pragma once
// The statement of the model, read in full in a window of its own.

#include <QWidget>

class QPdfDocument;
class QPdfView;

namespace vibralume {

class VisionneuseEnonce : public QWidget {
    Q_OBJECT
public:
    /// A window of its own even with a parent; closing it only hides it (one
    /// viewer serves every reading), and it never keeps the program running.
    explicit VisionneuseEnonce(QWidget* parent = nullptr);

    /// The view of the page.
    QPdfView* vue() const { return vue_; }

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    QPdfDocument* document_;
    QPdfView* vue_;
};

} // namespace vibralume

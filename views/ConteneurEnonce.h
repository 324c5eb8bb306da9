#pragma once
// The small frame of the main window that holds the statement of the model: a
// clipped glimpse of its page, opened in full by a double click.

#include <QFrame>
#include <QImage>

class QPdfDocument;

namespace vibralume {

/// The statement in the interface's language: :/documents/enonce.pdf in
/// French, :/documents/enonce_en.pdf in English.
QString cheminEnonce();

/// Loads the statement of cheminEnonce() into `document`, which owns the
/// device it reads from. True once the document is ready.
bool chargeEnonce(QPdfDocument& document);

class ConteneurEnonce : public QFrame {
    Q_OBJECT
public:
    explicit ConteneurEnonce(QWidget* parent = nullptr);
    ~ConteneurEnonce() override;

    /// The statement shown in the frame.
    const QPdfDocument& document() const { return *document_; }

signals:
    /// A double click with the left button: the pupil asks to read the statement.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    QPdfDocument* document_;
    QImage page_; ///< the first page at the frame's inner width, rendered once
};

} // namespace vibralume

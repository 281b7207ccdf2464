#pragma once
#include <QDialog>

class QLineEdit;

// "페이지 이동": asks the preview's page to show, 1 to the page count. Opened
// with a digit the user began typing (the next digits follow it), or with the
// page shown, selected so that typing replaces it.
class PreviewPageDialog : public QDialog {
public:
    PreviewPageDialog(const QString &start, bool selected, int pageCount, QWidget *parent = nullptr);

    // The page entered; 0 when the field is empty.
    int page() const;
    QLineEdit *field() const { return m_field; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_field = nullptr;
    bool m_selected;
};

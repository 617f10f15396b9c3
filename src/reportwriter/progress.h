#pragma once
// Progress of a long layout. The renderer calls the function with the rows done
// and the row count (-1 when unknown); returning false cancels the layout.
#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace reportwriter {

using Progress = std::function<bool(int done, int total)>;

// A progress dialog with a cancel button, usable as a Progress. It keeps the
// window responsive while the layout runs on the window thread.
class ProgressDialog
{
public:
    explicit ProgressDialog(QWidget *parent = nullptr, const QString &caption = {});
    ~ProgressDialog();

    bool operator()(int done, int total);
    Progress callback() { return [this](int d, int t) { return (*this)(d, t); }; }
    QProgressDialog *dialog() const { return m_dialog.get(); }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace reportwriter

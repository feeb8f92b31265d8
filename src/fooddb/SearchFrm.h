#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace torval::fooddb {

// The results dialog "Suchergebnisse": the names found, in result order.
class TSearchForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSearchForm)

public:
    explicit TSearchForm(const QStringList &names, QWidget *parent = nullptr);
    QString selectedName() const;

    QListWidget *ListBox;
    QPushButton *Button1;
    QPushButton *Button2;
};

} // namespace torval::fooddb

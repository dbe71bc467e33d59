#include "app/messagebox.h"

#include "core/errors.h"

#include <QApplication>
#include <QMessageBox>

void showErrorMessage(const RuntimeError &error)
{
    QMessageBox::warning(
        QApplication::activeWindow(), QApplication::applicationDisplayName(), error.text());
}

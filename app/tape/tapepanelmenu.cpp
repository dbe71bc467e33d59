// What the tape's menu does beyond copying: deleting, clearing and bringing
// back entries, and taking the tape to paper or a file.

#include "app/tape/tapepanel.h"

#include "app/tape/tapeexport.h"
#include "app/tape/tapemodel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <numeric>

void TapePanel::clearTape()
{
    // An empty tape's clear leaves the entries cleared before where they are.
    if (model_->rowCount() == 0)
        return rewriteFile({});
    // Kept beside the tape before it is emptied, for a slip that the window's
    // closing put beyond Undo.
    const bool kept = file_.keepCleared(model_->entries());
    std::deque<TapeEntry> shown = model_->entries();
    std::vector<int> rows(std::size_t(model_->rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    const std::size_t cleared = model_->remove(std::move(rows));
    rewriteFile(std::move(shown));
    const QString undoKey = undo_->shortcut().toString(QKeySequence::NativeText);
    tell(kept ? QCoreApplication::translate("TapePanel",
             "Tape cleared (%n entries, also kept in %1); %2 brings them back",
             "%2 names the key, Ctrl+Z", int(cleared))
                    .arg(QString::fromLatin1(TapeFile::ClearedName), undoKey)
              : QCoreApplication::translate("TapePanel",
                  "Tape cleared (%n entries); %1 brings them back", "%1 names the key, Ctrl+Z",
                  int(cleared))
                    .arg(undoKey));
}

void TapePanel::deleteSelected()
{
    std::vector<int> rows;
    for (const QModelIndex &row : selectionModel()->selectedRows())
        rows.push_back(row.row());
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    std::deque<TapeEntry> shown = model_->entries();
    const std::size_t deleted = model_->remove(std::move(rows));
    if (deleted == 0)
        return;
    rewriteFile(std::move(shown));
    tell(QCoreApplication::translate("TapePanel", "Deleted %n entries; %1 brings them back",
        "%1 names the key, Ctrl+Z", int(deleted))
             .arg(undo_->shortcut().toString(QKeySequence::NativeText)));
}

void TapePanel::undo()
{
    std::deque<TapeEntry> shown = model_->entries();
    const std::size_t back = model_->restore();
    if (back == 0)
        return tell(QCoreApplication::translate(
            "TapePanel", "Nothing deleted from the tape to bring back"));
    rewriteFile(std::move(shown));
    tell(QCoreApplication::translate("TapePanel", "Brought back %n entries", nullptr, int(back)));
}

void TapePanel::rewriteFile(std::deque<TapeEntry> shownBefore)
{
    // Entries that wait to be added are in the list already, and those
    // another window added since the list was shown stay in the file.
    unsaved_.clear();
    saved(file_.replace(model_->entries(), std::move(shownBefore)));
}

void TapePanel::printTape()
{
    QPrinter printer;
    printer.setDocName(QCoreApplication::translate("TapePanel", "Tape"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ::printTape(printer, everyEntry(), QDateTime::currentDateTime());
    tell(QCoreApplication::translate(
        "TapePanel", "Printed %n entries", nullptr, model_->rowCount()));
}

void TapePanel::exportTape()
{
    const QString csv = QCoreApplication::translate("TapePanel", "CSV, for spreadsheets (*.csv)");
    const QString text = QCoreApplication::translate("TapePanel", "Plain text (*.txt)");
    QString filter = csv;
    QString path = QFileDialog::getSaveFileName(this,
        QCoreApplication::translate("TapePanel", "Export tape"),
        QDir::home().filePath(QStringLiteral("tape.csv")), csv + QStringLiteral(";;") + text,
        &filter);
    if (path.isEmpty())
        return;
    // The kind of file by its name, else by the filter chosen.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"csv" && suffix != u"txt")
        path += filter == text ? QStringLiteral(".txt") : QStringLiteral(".csv");
    exportTo(path);
}

bool TapePanel::exportTo(const QString &path)
{
    load();
    const std::vector<const TapeEntry *> entries = everyEntry();
    const QByteArray bytes = QFileInfo(path).suffix().toLower() == u"txt"
        ? (tapeText(entries) + u'\n').toUtf8()
        : tapeCsv(entries);
    // Written whole or not at all: a file of that name stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        tell(QCoreApplication::translate("TapePanel", "The tape could not be exported to %1: %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    tell(QCoreApplication::translate(
        "TapePanel", "Exported %n entries to %1", nullptr, int(entries.size()))
             .arg(QDir::toNativeSeparators(path)));
    return true;
}

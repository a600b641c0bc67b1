#include "platform/qt/QtFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace korvanel {

namespace {

// Qt reads the patterns of a name filter from the parentheses that end it, separated by
// spaces, and "*.*" would hide names without an extension, which the caller's "all files"
// filter means to show.
QString qtPatterns(const QString& patterns) {
    QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : list) {
        pattern = pattern.trimmed();
        if (pattern == u"*.*") {
            pattern = QStringLiteral("*");
        }
    }
    list.removeAll(QString());
    return list.join(u' ');
}

// The description without a pattern list of its own, which need not match the real patterns.
QString labelOf(const QString& description) {
    const QString trimmed = description.trimmed();
    const qsizetype open = trimmed.lastIndexOf(u'(');
    if (!trimmed.endsWith(u')') || open < 0) {
        return trimmed;
    }
    return trimmed.left(open).trimmed();
}

std::optional<FileChoice> run(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(QString::fromStdString(options.title));
    const QStringList filters = qtNameFilters(options.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultSuffix));
    if (!options.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(options.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    return FileChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

} // namespace

QStringList qtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        filters.append(labelOf(parts[i]) + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

// Qt's dialog has no read-only check box and one look only, so the hideReadOnly and explorer
// flags need nothing here.
std::optional<FileChoice> QtFileDialog::showOpen(const FileDialogOptions& options) {
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist may be typed; opening it then fails and is reported.
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog, options);
}

std::optional<FileChoice> QtFileDialog::showSave(const FileDialogOptions& options) {
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     (options.flags & dialog_flags::overwritePrompt) == 0);
    return run(dialog, options);
}

} // namespace korvanel

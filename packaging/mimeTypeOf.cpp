// Prints the MIME type Qt gives each file named on the command line, one
// "name: type" a line, so scripts/check-package.sh can hold Qt's reading of the
// game's MIME type (the one KDE's file managers share) next to GLib's.

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    const QMimeDatabase database;
    QTextStream out(stdout);
    const QStringList files = QCoreApplication::arguments().mid(1);
    for (const QString& file : files)
        out << file << ": " << database.mimeTypeForFile(file).name() << '\n';
    return 0;
}

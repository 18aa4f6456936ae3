// Main of every GUI test program: a QApplication on the offscreen platform
// (unless QT_QPA_PLATFORM chooses another), then GoogleTest.

#include <QApplication>
#include <gtest/gtest.h>

#include "isolatedUserFiles.h"

#include "userDialogs.h"

namespace {

// A modal box would wait for a click that never comes and hang the run. Any
// dialog a test did not replace on purpose fails that test instead.
class TNoModalDialogs final : public TUserDialogs {
public:
    void ShowMessage(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon) override
    {
        ADD_FAILURE() << "unexpected message box \"" << caption.toStdString() << "\": " << text.toStdString();
    }
    QString GetSaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        ADD_FAILURE() << "unexpected save dialog \"" << caption.toStdString() << "\"";
        return {};
    }
    QString GetOpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        ADD_FAILURE() << "unexpected open dialog \"" << caption.toStdString() << "\"";
        return {};
    }
};

} // namespace

int main(int argc, char** argv)
{
    // Listing the tests for ctest happens without the test environment, and
    // no test may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    IsolateUserFiles();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Veltan test"));
    TNoModalDialogs noModalDialogs;
    const TScopedUserDialogs seam(noModalDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    WipeUserFilesBeforeEachTest();
    return RUN_ALL_TESTS();
}

// GoogleTest main for tests that need a QApplication (widgets run offscreen).
#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvia8位编码导出工具"));
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

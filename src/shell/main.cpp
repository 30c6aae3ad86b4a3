#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Ocena Ryzyka Zawodowego"),
                             QStringLiteral("Program jest w budowie."));
    return 0;
}

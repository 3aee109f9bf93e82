#include "RunningProgram.h"

#include "sentara/settings/StudySettings.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace mediatest {

DemoCourseCopy::DemoCourseCopy() {
    const QDir from(QStringLiteral(DEMO_COURSE_DIR));
    if (!dir_.isValid() || !QFileInfo::exists(from.filePath(QStringLiteral("SETTING")))) {
        return;
    }
    valid_ = true;
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        const QString relative = from.relativeFilePath(file.filePath());
        if (relative.startsWith(u'.') || (file.isExecutable() && !relative.contains(u'/'))) {
            continue; // the programs and the generator's stamp
        }
        const QString target = QDir(root()).filePath(relative);
        valid_ = valid_ && QDir().mkpath(QFileInfo(target).path()) &&
                 QFile::copy(file.filePath(), target);
    }
}

void DemoCourseCopy::settings(int node, int mode, int engine, int senReadCount) {
    sentara::StudySettings s;
    s.catalogueNodeIndex = node;
    s.resumeSentence = 1;
    s.modeIndex = mode;
    s.engineChoice = engine;
    s.readCountOf(sentara::RepeatFamily::Sen) = senReadCount;
    QFile file(QDir(root()).filePath(QStringLiteral("SETTING/Set.dat")));
    valid_ = valid_ && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             file.write(s.format().toLatin1()) > 0;
}

RunningProgram::RunningProgram(const DemoCourseCopy& course)
    : folder(course.root()),
      session(folder, clock, engines, recorder, sounds, dialogs, shell, measure, screen) {
    window = std::make_unique<sentara::ui::SentaraWindow>(session, folder);
    window->resize(1100, 680);
    session.start();
    window->showCatalogue();
    window->show();
    QApplication::processEvents();
}

RunningProgram::~RunningProgram() {
    window->close();
    window.reset();
}

QImage onScreen(const QWidget* widget) {
    const QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

double brightness(const QImage& image) {
    if (image.isNull()) {
        return 0;
    }
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    return sum / (double(image.width()) * image.height());
}

double difference(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size()) {
        return 0;
    }
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q))) /
                   3.0;
        }
    }
    return sum / (double(a.width()) * a.height());
}

} // namespace mediatest

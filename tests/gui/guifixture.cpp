#include "guifixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

namespace ashtally::testing {

void GuiFixture::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    qputenv("XDG_DATA_HOME", (m_home.path() + QStringLiteral("/data")).toUtf8());
    QDir(m_home.path()).mkpath(QStringLiteral("program/images"));
    for (const char* set : {"assorted", "bronze", "green", "gold", "silver", "freedom"}) {
        AddPicture(set, std::string(set) + ".png");
    }
    ErrorReporter::Install(&m_errors);
}

void GuiFixture::TearDown() {
    m_form.reset();
    m_program.reset();
    ErrorReporter::Install(nullptr);
}

TMainForm& GuiFixture::Start() {
    m_form.reset();
    const std::string program = m_home.path().toStdString() + "/program/";
    m_program = std::make_unique<ProgramObjects>(m_clock, EnglishStrings(), RegionalSettings{},
                                                 program, program + "images/");
    m_form = std::make_unique<TMainForm>(*m_program);
    m_form->RestorePlacement();
    m_form->show();
    QCoreApplication::processEvents();
    return *m_form;
}

bool GuiFixture::Close() {
    const bool closed = m_form->close();
    QCoreApplication::processEvents();
    return closed;
}

void GuiFixture::AddPicture(const std::string& set, const std::string& name) const {
    const QString folder =
        m_home.path() + QStringLiteral("/program/images/") + QString::fromStdString(set);
    QDir().mkpath(folder);
    QImage picture(48, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(folder + QLatin1Char('/') + QString::fromStdString(name)));
}

void GuiFixture::RemovePictures() const {
    QDir(m_home.path() + QStringLiteral("/program/images")).removeRecursively();
}

std::string GuiFixture::DataFolder() const {
    return m_home.path().toStdString() + "/data/Ashtally/";
}

std::string GuiFixture::ReadDataFile(const std::string& name) const {
    QFile file(QString::fromStdString(DataFolder() + name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

void GuiFixture::WriteDataFile(const std::string& name, const std::string& bytes) const {
    QDir().mkpath(QString::fromStdString(DataFolder()));
    QFile file(QString::fromStdString(DataFolder() + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace ashtally::testing

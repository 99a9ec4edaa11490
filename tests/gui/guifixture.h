#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/errorreporter.h"
#include "app/mainform.h"
#include "app/programobjects.h"
#include "util/clock.h"
#include "util/datetime.h"
#include "util/numberedstrings.h"

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral("\", \"")).toStdString() << '}';
}
QT_END_NAMESPACE

namespace ashtally::testing {

// A main window over a temporary data folder, with the clock standing still and every error
// box recorded instead of shown.
class GuiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the program objects and the main window (FormCreate runs), restores the placement
    // and shows it (FormShow runs).
    TMainForm& Start();
    // Closes the main window as the user does; true when the close was accepted.
    bool Close();

    std::string DataFolder() const;
    // Puts a small picture into a set folder of the program's images, before Start().
    // Every set starts with one picture named after it ("gold.png").
    void AddPicture(const std::string& set, const std::string& name) const;
    void RemovePictures() const;
    std::string ReadDataFile(const std::string& name) const;
    void WriteDataFile(const std::string& name, const std::string& bytes) const;

    template <class T>
    T* Find(const char* name) const {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }

    QTemporaryDir m_home;
    FixedClock m_clock{EncodeDateTime({2026, 12, 11, 10, 30, 0, 0})};
    RecordingReporter m_errors;
    std::unique_ptr<ProgramObjects> m_program;
    std::unique_ptr<TMainForm> m_form;
};

} // namespace ashtally::testing

// A fresh program that runs script text as `--script` would, keeping what it printed.
#pragma once

#include "AppFixture.h"

#include "app/script/ScriptRunner.h"

#include <QFile>

#include <cstdio>

namespace quadrilo::app::test {

class ScriptFixture : public AppFixture {
protected:
    PromptRouter router{prompts, prompts};
    QString out, err;

    // Runs the script text from a file in the temporary folder; the number of failed lines.
    int run(const QString& text, bool stopAtFailure = true) {
        const QString path = temp.filePath(QStringLiteral("teste.qscript"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        std::FILE* o = std::tmpfile();
        std::FILE* e = std::tmpfile();
        const int failures =
            ScriptRunner(*window, prompts, router, path, stopAtFailure, o, e).run();
        out = readAll(o);
        err = readAll(e);
        return failures;
    }
    static QString readAll(std::FILE* f) {
        std::rewind(f);
        QByteArray bytes;
        for (int c; (c = std::fgetc(f)) != EOF;)
            bytes += char(c);
        std::fclose(f);
        return QString::fromUtf8(bytes);
    }
};

} // namespace quadrilo::app::test

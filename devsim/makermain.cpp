// tarn-maker: the device maker's recovery desk for the simulated fleet. It
// turns a key request file into the key, tells the security code of a
// device, and delivers the verification code of an e-mail reset into the
// mailbox folder, so that every recovery method can be finished in the demo.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <cstdio>
#include <string>
#include <vector>

#include "makerdesk.h"

namespace {

void usage()
{
    std::puts(
        "usage: tarn-maker [--maker-dir DIR] key REQUEST_FILE [--out KEY_FILE]\n"
        "       tarn-maker [--maker-dir DIR] security-code --serial SERIAL\n"
        "       tarn-maker [--maker-dir DIR] email REQUEST_FILE\n"
        "       tarn-maker [--maker-dir DIR] mailbox ADDRESS\n"
        "\n"
        "  key            prints the key for a key request file exported by the reset dialog\n"
        "                 (with --out also writes it into a key file to import)\n"
        "  security-code  asks the running simulator for a fresh security code of the device\n"
        "                 (default password restore) and prints it\n"
        "  email          opens an e-mail reset request (the text file of \"Export XML\") and\n"
        "                 delivers the verification code into DIR/mailbox/ADDRESS.txt\n"
        "  mailbox        prints the last mail delivered to ADDRESS\n"
        "\n"
        "DIR is the simulator's maker folder (it prints it at start; default TARN_MAKER_DIR\n"
        "or a folder of this user under the temporary folder).");
}

bool readFile(const QString &path, std::string *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = file.readAll().toStdString();
    return true;
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "tarn-maker: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::string dir = devsim::MakerDesk::defaultDir();
    std::vector<std::string> words;
    std::string serial, outPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "tarn-maker: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--maker-dir")
            dir = value();
        else if (arg == "--serial")
            serial = value();
        else if (arg == "--out")
            outPath = value();
        else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "tarn-maker: unknown option %s\n", arg.c_str());
            usage();
            return 2;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        usage();
        return 2;
    }

    devsim::MakerDesk desk(dir);
    std::string error;
    if (!desk.open(&error))
        return fail(error);
    const std::string &command = words[0];

    if (command == "key" && words.size() == 2) {
        std::string request;
        if (!readFile(QString::fromStdString(words[1]), &request))
            return fail("cannot read " + words[1]);
        const std::string key = desk.keyFor(request, &error);
        if (key.empty())
            return fail(error);
        if (!outPath.empty()) {
            QSaveFile out(QString::fromStdString(outPath));
            if (!out.open(QIODevice::WriteOnly) || out.write(QByteArray::fromStdString(key + "\n")) < 0 ||
                !out.commit())
                return fail("cannot write " + outPath);
        }
        std::printf("%s\n", key.c_str());
        return 0;
    }
    if (command == "security-code" && words.size() == 1 && !serial.empty()) {
        const QString answerPath = QString::fromStdString(desk.securityCodeAnswerFile(serial));
        QFile::remove(answerPath);
        QSaveFile request(QString::fromStdString(desk.securityCodeRequestFile(serial)));
        if (!request.open(QIODevice::WriteOnly) || request.write(QByteArray::fromStdString(serial + "\n")) < 0 ||
            !request.commit())
            return fail("cannot write the request into " + desk.requestsDir());
        // The simulator looks at the requests several times a second.
        QDeadlineTimer deadline(5000);
        while (!QFileInfo::exists(answerPath) && !deadline.hasExpired())
            QThread::msleep(50);
        std::string answer;
        if (!readFile(answerPath, &answer)) {
            QFile::remove(QString::fromStdString(desk.securityCodeRequestFile(serial)));
            return fail("no simulator answered for " + dir + " (is tarn-devsim running with this maker folder?)");
        }
        QFile::remove(answerPath);
        if (answer.rfind("code ", 0) != 0)
            return fail(serial + ": " + QString::fromStdString(answer).trimmed().toStdString());
        std::fputs(answer.substr(5).c_str(), stdout);
        return 0;
    }
    if (command == "email" && words.size() == 2) {
        std::string request, mailbox;
        if (!readFile(QString::fromStdString(words[1]), &request))
            return fail("cannot read " + words[1]);
        if (!desk.deliverEmailCode(request, &mailbox, &error))
            return fail(error);
        std::printf("delivered to %s\n", mailbox.c_str());
        return 0;
    }
    if (command == "mailbox" && words.size() == 2) {
        std::string mail;
        if (!readFile(QString::fromStdString(desk.mailboxFile(words[1])), &mail))
            return fail("no mail for " + words[1]);
        std::fputs(mail.c_str(), stdout);
        return 0;
    }
    usage();
    return 2;
}

#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <optional>

class QIODevice;

// Where the records tool takes PINs from: never the command line, where
// other users see it and shells keep it. Either the terminal, without echo,
// or with --pin-stdin one line of standard input per PIN asked for.
class PinReader
{
    Q_DECLARE_TR_FUNCTIONS(PinReader)

public:
    PinReader(bool fromStdin, QIODevice &err);

    // The PIN for the prompt ("PIN of A. Meier"); nothing, with the reason in
    // *error, when there is no terminal to ask or the input ends.
    std::optional<QString> read(const QString &prompt, QString *error);

private:
    bool fromStdin;
    QIODevice &err;
    QFile in;
};

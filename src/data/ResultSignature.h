#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Valmyndigheten's signature of a result file (`…_sign.sha256` beside each JSON): RSA,
// PKCS#1 v1.5 over the SHA-256 of the file's bytes, checked with OpenSSL's libcrypto
// against the signing certificates the program ships.
class ResultSignature
{
public:
    enum class Check {
        Verified,   // made by a known key over exactly these bytes
        Mismatch,   // made by a known key, but over other bytes: the file was changed
        UnknownKey, // made by no key the program knows: it cannot be checked
    };

    // `keys` are PEM texts, each a certificate or a public key.
    static Check check(const QByteArray& data, const QByteArray& signature,
                       const QList<QByteArray>& keys);

    // The certificates shipped with the program: the .pem files in the program's folder
    // (a build) or in its shared files (installed).
    static QList<QByteArray> shippedKeys();
    static QString certificateName() { return QStringLiteral("val-sign-crt.pem"); }
};

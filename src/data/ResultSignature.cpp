#include "data/ResultSignature.h"

#include "data/ProgramFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;

Key publicKey(const QByteArray& pem)
{
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_mem_buf(pem.constData(), int(pem.size())),
                                                  &BIO_free);
    if (std::unique_ptr<X509, decltype(&X509_free)> cert(
            PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr), &X509_free);
        cert)
        return Key(X509_get_pubkey(cert.get()), &EVP_PKEY_free);
    BIO_reset(bio.get());
    return Key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr), &EVP_PKEY_free);
}

// What a PKCS#1 v1.5 signature with SHA-256 holds once the key has opened it: the
// DigestInfo of the hash.
QByteArray digestInfo(const QByteArray& data)
{
    static const unsigned char prefix[] = {0x30, 0x31, 0x30, 0x0d, 0x06, 0x09, 0x60,
                                           0x86, 0x48, 0x01, 0x65, 0x03, 0x04, 0x02,
                                           0x01, 0x05, 0x00, 0x04, 0x20};
    return QByteArray(reinterpret_cast<const char*>(prefix), sizeof prefix) +
           QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

} // namespace

// Opening the signature with each key rather than only verifying it tells a file changed
// after signing (the key opens the signature, the hash differs) from a signature by a key
// the program does not know (no key opens it), which is not a reason to refuse a file.
ResultSignature::Check ResultSignature::check(const QByteArray& data, const QByteArray& signature,
                                              const QList<QByteArray>& keys)
{
    for (const QByteArray& pem : keys) {
        const Key key = publicKey(pem);
        if (!key || EVP_PKEY_get_base_id(key.get()) != EVP_PKEY_RSA ||
            EVP_PKEY_get_size(key.get()) != signature.size())
            continue;
        std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(
            EVP_PKEY_CTX_new(key.get(), nullptr), &EVP_PKEY_CTX_free);
        QByteArray opened(signature.size(), '\0');
        size_t length = size_t(opened.size());
        if (!ctx || EVP_PKEY_verify_recover_init(ctx.get()) <= 0 ||
            EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) <= 0 ||
            EVP_PKEY_verify_recover(ctx.get(), reinterpret_cast<unsigned char*>(opened.data()),
                                    &length,
                                    reinterpret_cast<const unsigned char*>(signature.constData()),
                                    size_t(signature.size())) <= 0)
            continue;
        opened.truncate(qsizetype(length));
        return opened == digestInfo(data) ? Check::Verified : Check::Mismatch;
    }
    return Check::UnknownKey;
}

QList<QByteArray> ResultSignature::shippedKeys()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QList<QByteArray> keys;
    for (const QString& dir : {programDir, ProgramFolder::installedShareDir(programDir)}) {
        QFile file(dir + QLatin1Char('/') + certificateName());
        if (file.open(QIODevice::ReadOnly))
            keys.append(file.read(1024 * 1024));
    }
    return keys;
}

#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

struct evp_md_ctx_st;

namespace tundle {

// SHA-256 through libcrypto, which uses the processor's SHA instructions where it has them.
// The result is written as 64 lowercase hexadecimal digits, the form every comparison uses.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(QByteArrayView bytes);
    QString finishText();

    static QString text(QByteArrayView bytes);

private:
    struct Free {
        void operator()(evp_md_ctx_st* context) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> context_;
};

}  // namespace tundle

// check-configuration FILE...: exits 0 when every FILE holds a configuration the application
// would load (read within the size limit, decoded and validated as the store does); otherwise
// prints the file and the store's own message for the first that it would refuse, and exits 1.
#include <QString>
#include <cstdio>
#include <exception>

#include "config/ConfigurationCoding.h"
#include "support/UserFacingError.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: check-configuration FILE...\n", stderr);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        try {
            tundle::decodeConfiguration(tundle::readConfigurationFile(path));
        } catch (const std::exception& failure) {
            std::fprintf(stdout, "%s: %s\n", argv[i],
                         tundle::describe(failure).toUtf8().constData());
            return 1;
        }
    }
    return 0;
}

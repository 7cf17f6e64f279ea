#pragma once

#include <QString>

#include <memory>

// An empty folder on a file system of a few kilobytes, for as long as the object lives, so
// that a test can run a disk out of space. Where this machine cannot give one, the folder is
// empty and motivo() says why.
class DiscoPequeno {
public:
    DiscoPequeno();
    ~DiscoPequeno();
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    QString pasta() const { return pasta_; }
    QString motivo() const { return motivo_; }

private:
    struct Montagem;
    std::unique_ptr<Montagem> montagem_;
    QString pasta_;
    QString motivo_;
};

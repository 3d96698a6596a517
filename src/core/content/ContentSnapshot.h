#pragma once

#include <QString>

#include "content/ContentRelease.h"

namespace tundle {

// A release whose signature, limits and files have been checked, and the folder holding it.
struct ContentSnapshot {
    ContentRelease release;
    QString root;

    bool operator==(const ContentSnapshot&) const = default;

    QString directory(const ContentModule& module) const;
};

}  // namespace tundle

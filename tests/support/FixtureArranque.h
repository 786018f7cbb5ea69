#pragma once
// The program's start on a copy of the demo database in a temporary folder (the copy may be
// changed freely): the connection pointed at the copy, the globals released, message boxes
// recorded, and the program's ends recorded in `codigos` instead of ending the test.
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdint>

class FixtureArranque : public ::testing::Test {
protected:
    // `idiomaAntes`: gIdioma before the start (-1: not yet read).
    explicit FixtureArranque(int16_t idiomaAntes = 0) : idiomaAntes_(idiomaAntes) {}
    void SetUp() override;
    void TearDown() override;

    QTemporaryDir dir;
    QString path;
    QList<int> codigos;

private:
    int16_t idiomaAntes_;
};

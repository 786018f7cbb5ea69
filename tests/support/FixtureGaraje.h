#pragma once
// The garage and parking window on a copy of the demo database with a small municipality
// added (PRUEBA, code 9, listed after PRUEBAS, code 8, which has no streets): ponencia 2002,
// default valuation date 15/06/2003 (update coefficient 1,05, RP 1,00), pesetas, and these
// street stretches:
//
//   street             odd portals 1-99   even portals 0-98
//   CALLE MAYOR        zone 1             zone 2
//   CALLE NUEVA        zone 900           zone 900
//   CALLE ROTA         zone "X1"          zone "X1"   (a zone code that is not a number)
//   CALLE SIN MODULO   zone 3             zone 3
//   CALLE MALA         zone 4             zone 4
//
//   zone 1   "ZONA UNO"   pesetas     MP 12000
//   zone 2   "ZONA DOS"   euro cents  MP 9000
//   zone 900 "ZONA 900"   pesetas     MP 8000
//   zone 3   "ZONA TRES"  pesetas     MP Null
//   zone 4   "ZONA MALA"  pesetas     MP "doce mil" (a text that is no number)
#include <gtest/gtest.h>

#include "tests/support/ConduccionVentana.h"

class Tipologia3;

class Garaje : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window (loading it when needed) and makes it the active window.
    void Abrir();
    Tipologia3& V() const { return *ventana_; }

    QWidget* C(const QString& nombre) const { return w_.C(nombre); }
    template <class T>
    T* C(const QString& nombre) const
    {
        return w_.C<T>(nombre);
    }
    QString T(const QString& nombre) const { return w_.T(nombre); }
    void Elegir(const QString& combo, const QString& item);
    // Writes the text into the box and leaves it for the description button.
    void Teclear(const QString& caja, const QString& texto);
    void Pulsar(const QString& nombre) { w_.Pulsar(nombre); }
    // PRUEBA, the street and the portal.
    void Localizar(const QString& calle, const QString& portal);

    DemoDatabaseCopy db_;
    Tipologia3* ventana_ = nullptr;
    ConduccionVentana w_;
};

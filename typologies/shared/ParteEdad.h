#pragma once
// The age part of a typology window whose record has an age mode (ANTTIPO): the mode pair
// "optp<N>anttipo" (years typed, or a construction date), the years box "txtp<N>antd1", the
// construction date box "txtp<N>antd2", and the display boxes of the age ("txtp<N>ant") and of
// (1 - D) ("txtp<N>dep"), D on the age scale of the window's typology (core/Valoracion.h).
// The box of the mode shown is enabled and a tab stop; the other is hidden or disabled, as the
// window's data say (ParametrosVentana::cajasEdad).
#include <QString>
#include <cstdint>

#include "typologies/shared/Parte.h"

class CajaNum;
class MaskEdBox;

class ParteEdad : public ParteVentana {
public:
    explicit ParteEdad(AnfitrionParte& ventana);

    // Finds the part's controls (a std::logic_error when one is missing) and connects them.
    void Conectar();
    // The date pattern and mask of the current language on the construction date box.
    void Formatos();
    // Redraw step: the mode option, the boxes shown for it and the stored years or date.
    void Presenta();
    // Reset value of the years box.
    void ValoresIniciales();
    // The age into the age box and (1 - D) into its box, from the stored mode: the years typed,
    // or the whole years between the construction date and the valuation date.
    void CalcularDepreciacion();
    // (1 - D) of an age in whole years on the scale of this typology.
    double CalcularD(int16_t n) const;
    // The construction date is a date not after the valuation date (a message, false).
    bool ValidarFechaR(QString& sFecha);

private:
    void optanttipo_Click(int Index);
    void txtantd1_LostFocus();
    void txtantd2_LostFocus();
    void MostrarCajasEdad(bool porFecha);

    AnfitrionParte& v_;
    CajaNum* txtantd1_ = nullptr;
    MaskEdBox* txtantd2_ = nullptr;
    CajaNum* txtant_ = nullptr;
    CajaNum* txtdep_ = nullptr;
    QString grupo_;             // name of the mode pair, "optp<N>anttipo"
    bool bPresentando = false;  // the redraw is selecting the mode: the option's own work is skipped
};

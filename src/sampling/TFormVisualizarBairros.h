#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPainter;

namespace korva {

class DBText;
class DBGrid;
class DBNavigator;
class SpeedButton;
struct GridColumn;

// The neighbourhoods of one stratum at a time with their blocks to work; steps through the strata.
class TFormVisualizarBairros : public QWidget {
    Q_OBJECT
public:
    TFormVisualizarBairros();

    QLabel* Label1;
    DBText* DBText1;
    DBGrid* DBGridVisualizarBairros;
    DBNavigator* DBNavigator1;
    QLabel* Label2;
    QComboBox* DBLookupComboBox1;
    SpeedButton* SpeedButton1;

    void DBGridVisualizarBairrosDrawColumnCell(QPainter* painter, const QRect& rect, const GridColumn& column,
                                               int recNo, bool selected);
    void SpeedButton1Click();
    void FormClose();
    // A stratum number chosen in the list.
    void DBLookupComboBox1Click(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillStrata();
};

} // namespace korva

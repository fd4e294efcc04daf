# Precompiled headers: the Qt and standard headers most of our files include,
# parsed once per kind of target instead of once per file. The core's list
# holds Qt Core only, so core code cannot lean on a window header it does not
# include. Targets of the same kind share one precompiled header (REUSE_FROM):
# every target that compiles with the same flags and definitions can.
set(PEVRANO_PCH_CORE
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QJsonArray>
    <QJsonDocument> <QJsonObject> <QObject> <QRegularExpression> <QString> <QStringList> <QTimer>
    <QUrl> <algorithm> <array> <functional> <memory> <optional> <utility> <vector>)
set(PEVRANO_PCH_GUI
    ${PEVRANO_PCH_CORE} <QAction> <QApplication> <QCheckBox> <QDialog> <QGroupBox> <QHBoxLayout>
    <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QPainter> <QPointer> <QProgressBar> <QPushButton>
    <QRadioButton> <QScrollBar> <QVBoxLayout> <QWidget>)
set(PEVRANO_PCH_TESTS <QTemporaryDir> <gtest/gtest.h>)

# pevrano_use_pch(TARGET KIND): KIND is core, gui, core_tests or gui_tests.
# The first target of a kind gets the precompiled header; the others reuse it.
function(pevrano_use_pch target kind)
  get_property(owner GLOBAL PROPERTY PEVRANO_PCH_OWNER_${kind})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
    return()
  endif()
  if(kind STREQUAL "core")
    set(headers ${PEVRANO_PCH_CORE})
  elseif(kind STREQUAL "gui")
    set(headers ${PEVRANO_PCH_GUI})
  elseif(kind STREQUAL "core_tests")
    set(headers ${PEVRANO_PCH_CORE} ${PEVRANO_PCH_TESTS})
  elseif(kind STREQUAL "gui_tests")
    set(headers ${PEVRANO_PCH_GUI} ${PEVRANO_PCH_TESTS} <QTest>)
  else()
    message(FATAL_ERROR "pevrano_use_pch: no precompiled header of kind ${kind}")
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
  set_property(GLOBAL PROPERTY PEVRANO_PCH_OWNER_${kind} ${target})
endfunction()

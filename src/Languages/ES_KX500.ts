<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestión</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Larga duración</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trazado tubería</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Pressuresensor</source>
        <translation type="obsolete">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="obsolete">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="obsolete">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Transferir datos</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Modo tecla silencio</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Protección auditiva</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar pantallas</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Auricular emparejado</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>RM-3 emparejado</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Tecla favorita</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Información sistema</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Hora de verano</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Ajustes varios</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medio</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Hora de verano</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Hora de invierno</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura pantalla</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Medición de nivel</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Medición larga duración</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trazado tubería</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>No se pudieron guardar los ajustes. Los cambios se perderán al apagar el equipo.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finlandés</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbio</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Menú debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Las funciones de este menú de servicio no están disponibles en esta versión.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Esta función no está disponible en esta versión.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menú test de fábrica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Las funciones de este menú de servicio no están disponibles en esta versión.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>No se ha detectado el sensor.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Tensión de batería del RM-3 demasiado baja. Recárguela.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Tipo de sensor no detectado. Fije el sensor o limpie los contactos.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Batería casi agotada. Recárguela.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Introducir nombre</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Sin sensor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Modo tecla</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Nombre BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Dirección BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Releer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Sin conexión Bluetooth. Compruebe el RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Consultando el RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Sin respuesta del RM-3. Compruebe que esté encendido y cerca.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Transductor de presión</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Número máximo de mediciones alcanzado. La medición no se guardará. Borre mediciones antiguas.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Número de mediciones cerca del límite. Borre mediciones antiguas.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Memoria de datos insuficiente. La medición no se ha guardado. Borre mediciones antiguas.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>No se pudo guardar la medición.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtro banda activo</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtro inactivo</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Corte inferior</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Corte superior</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Filtro auto</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Sin filtro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Más bajo</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Más alto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>¡Atención! Un volumen alto puede
causar daños auditivos.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Ganancia entrada por cable</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Ganancia del sensor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproducir grabación</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Parar reproducción</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Ganancia auricular</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="obsolete">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="obsolete">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="obsolete">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="obsolete">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="obsolete">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="obsolete">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Editar medición</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrar mediciones</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>No hay mediciones guardadas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>No se pudo borrar la medición.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>No se pudo renombrar la medición. Puede que otra medición tenga ese nombre.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Editar medición</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Medición de nivel</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trazado tubería</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Medición H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Medición larga duración</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>¿Borrar esta medición con sus grabaciones?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Esta medición no tiene grabación.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>No se puede reproducir la grabación.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Para esta medición debe conectar
un sensor acústico.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Esta medición está dañada. No se pueden mostrar sus valores.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Sin conexión Bluetooth. Compruebe el RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Para esta medición debe conectar
un sensor H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala de las barras</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Borrar última posición</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproducir grabación</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Parar reproducción</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Posición siguiente</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Tiempo de análisis</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoescala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganancia micrófono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Fijar referencia</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volumen auricular</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Eje de tiempo</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Eje de presión</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Sin transductor</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>El PC ya puede leer las mediciones.
Expulse la unidad en el PC
y pulse Desconectar.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Conecte el KXE500 al PC
y pulse Conectar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="obsolete">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="obsolete">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="obsolete">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>No se pudieron ejecutar estos archivos del PC:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>No hay archivo de firmware %1.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 no indica versión (p. ej. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Copie los archivos de firmware.
Cuando estén todos copiados,
pulse Desconectar.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Conecte el KXE500 al PC
y pulse Conectar.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Actualizar KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Actualizar RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 archivos de firmware; se ofrece el más reciente.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Archivo de firmware ilegible. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Actualizando KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Copiando archivos, espere ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>No se pudo copiar el firmware. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Actualizar firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Archivos copiados.
Espere al reinicio ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Actualizando RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Transmitiendo firmware, espere ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Error al actualizar el firmware. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware transmitido.
Espere a que se reinicie el RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Firmware actualizado correctamente.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Actualizar firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Actualización de firmware finalizada.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>El RM-3 sigue indicando firmware %1.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>El RM-3 indica firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Error en la actualización, inténtelo de nuevo.
Sin respuesta del dispositivo Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Actualización de firmware cancelada.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>No se pudieron pasar los datos al PC. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>El PC aún tiene los datos. Expulse la unidad en el PC y pulse de nuevo Desconectar.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>No se pudo abrir la memoria de mediciones. No se pueden guardar mediciones.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Mostrar FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Mostrar frecuencia</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Mostrar barra de pico</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Barra en color de frecuencia</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Mostrar parámetros filtro</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Escala dinámica</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Mostrar histograma</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Mostrar rango de trabajo</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Iniciar con el favorito</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Iniciar con último filtro</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS activo al iniciar</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Medición de nivel</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Medición larga duración</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trazado tubería</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Esta fecha no existe. Corrija el día o el mes.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medio</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Protección auditiva</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Ajustar volumen auricular</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>El volumen máximo quedará limitado.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>¡Atención! Riesgo de choque acústico.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Pantalla apagada</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Restablecer valores de fábrica.
Todos los ajustes (p. ej. idioma,
dispositivos Bluetooth emparejados) se restablecerán.
Las mediciones guardadas no se borrarán.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>¿Restablecer realmente todos los ajustes?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Tecla favorita</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Modo de la tecla silencio</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Islas Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawái</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacífico</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>Nueva York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaos</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terranova</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Groenlandia</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Atlántico medio</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azores</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londres</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>El Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscú</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teherán</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Nueva Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandú</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Rangún</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokio</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sídney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadán</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fiyi</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Hora de verano</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Hora de verano</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Hora de invierno</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Cambiar hora verano / invierno</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Fecha de fabricación</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>ID Bluetooth Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>ID Bluetooth Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug activado</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Información GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Info de satélites</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Medición de distancia</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Posición de referencia</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Posición actual</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Cambiar formato de posición</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Mostrar la posición</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Mostrar datos NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Fijar posición de referencia</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Detener monitorización</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Iniciar monitorización</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Borrar los datos</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Active el modo de emparejamiento
y pulse Buscar ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>No hay dispositivos. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Seleccione dispositivo</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Emparejando</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Emparejamiento fallido.
Inténtelo de nuevo.</translation>
    </message>
</context>
</TS>

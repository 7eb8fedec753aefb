<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>정밀 위치 탐지</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 센서</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>레벨</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>장시간 측정</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>관로 탐지</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>테스트</translation>
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
        <translation>측정 데이터</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>데이터 전송</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>음소거 키 모드</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>청력 보호</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>화면 사용자 설정</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>페어링된 헤드폰</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>페어링된 RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>즐겨찾기 키</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>절전</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>시스템 정보</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>초기 상태로 재설정</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>토글식</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>푸시식</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>활성</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>비활성</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>여러 설정</translation>
    </message>
    <message>
        <source>low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>high</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>표준시</translation>
    </message>
    <message>
        <source>never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>베를린</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>레벨 측정</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>장시간 측정</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 센서</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>정밀 위치 탐지</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>관로 탐지</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>설정을 저장할 수 없습니다. 전원을 끄면 변경 내용이 사라집니다.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>슬로베니아어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>슬로바키아어</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>노르웨이어</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>불가리아어</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>크로아티아어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>세르비아어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug 메뉴</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>이 버전에서는 서비스 메뉴 기능을 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>이 버전에서는 이 기능을 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>공장 테스트 메뉴</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>이 버전에서는 서비스 메뉴 기능을 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>센서가 감지되지 않습니다.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>RM-3 배터리 전압이 너무 낮습니다. 충전하십시오.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>센서 종류를 인식할 수 없습니다. 센서를 고정하거나 접점을 청소하십시오.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>배터리가 거의 없습니다. 충전하십시오.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>이름 입력</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>센서 없음</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>게인</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>키 모드</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT 이름</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT 주소</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>다시 읽기</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Bluetooth 연결 없음. RM-3을 확인하십시오.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>RM-3 조회 중 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>RM-3 응답 없음. 전원이 켜져 있고 가까이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>압력 변환기</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>최대 측정 수에 도달했습니다. 측정이 저장되지 않습니다. 이전 측정을 삭제하십시오.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>측정 수가 한도에 가깝습니다. 이전 측정을 삭제하십시오.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>데이터 메모리 공간이 부족하여 측정이 저장되지 않았습니다. 이전 측정을 삭제하십시오.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>측정을 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>대역 필터 켜짐</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>필터 꺼짐</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>하한 주파수</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>상한 주파수</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>자동 필터</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>필터 없음</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>경고! 큰 볼륨은 청력 손상을
일으킬 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>유선 입력 게인</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>센서 게인</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>필터 조정</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>녹음 재생</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>재생 중지</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>헤드폰 게인</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>레벨</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>피크</translation>
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
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>측정 편집</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>측정 필터링</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>저장된 측정 없음</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>측정을 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>측정 이름을 변경할 수 없습니다. 같은 이름의 측정이 있을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>측정 편집</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>정밀 위치 탐지</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>레벨 측정</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>관로 탐지</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2 측정</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>장시간 측정</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>이 측정과 녹음을 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>이 측정에는 녹음이 없습니다.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>녹음을 재생할 수 없습니다.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>알림</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>이 측정을 사용하려면
음향 센서를 연결해야 합니다.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>이 측정은 손상되어 값을 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Bluetooth 연결 없음. RM-3을 확인하십시오.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>이 측정을 사용하려면
H2 센서를 연결해야 합니다.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>막대 스케일</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>마지막 위치 삭제</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>필터 조정</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>녹음 재생</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>재생 중지</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>다음 위치</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>분석 시간</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>자동 스케일</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>필터 조정</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>필터 조정</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>마이크 게인</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>기준값 설정</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>스케일</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>헤드폰 볼륨</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>기준</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>포인트</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>시간 축</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>압력 축</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>분석</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>변환기 없음</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC에서 측정을 읽을 수 있습니다.
PC에서 드라이브를 꺼낸 후
연결 해제를 누르십시오.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>KXE500을 PC에 연결하고
연결 버튼을 누르십시오.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
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
        <translation>PC의 다음 파일을 실행할 수 없습니다:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>신규</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>업데이트 시작</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>펌웨어 파일 %1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1에 버전이 없습니다(예: 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>펌웨어 파일을 복사하십시오.
모든 파일을 복사한 후
연결 해제 버튼을 누르십시오.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>KXE500을 PC에 연결하고
연결 버튼을 누르십시오.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>KXE500 업데이트</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>RM-3 업데이트</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>펌웨어 파일 %1개 발견, 최신 파일을 제공합니다.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>펌웨어 파일을 읽을 수 없습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>KXE500 업데이트 중</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>파일 복사 중, 잠시 기다리십시오 ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>펌웨어를 복사할 수 없습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>KXE500 펌웨어 업데이트</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>모든 파일 복사 완료.
재부팅을 기다리십시오 ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>RM-3 업데이트 중</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>펌웨어 전송 중, 잠시 기다리십시오 ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>펌웨어 업데이트 오류. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>펌웨어 전송 완료.
RM-3 재시작을 기다리십시오 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>펌웨어 업데이트 성공.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>RM-3 펌웨어 업데이트</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>펌웨어 업데이트가 완료되었습니다.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 펌웨어가 여전히 %1입니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 펌웨어: %1</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>업데이트 오류, 다시 시도하십시오.
Bluetooth 장치 응답이 없습니다.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>펌웨어 업데이트 취소됨.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>데이터를 PC로 전달할 수 없습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC가 아직 데이터를 사용 중입니다. PC에서 드라이브를 꺼내고 연결 해제를 다시 누르십시오.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>측정 메모리를 열 수 없습니다. 측정을 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>FFT 표시</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>주파수 값 표시</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>피크 레벨 막대 표시</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>주파수 색상 막대</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>필터 값 표시</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>동적 스케일</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>격자 표시</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>히스토그램 표시</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>작업 범위 표시</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>즐겨찾기로 시작</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>마지막 필터로 시작</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>시작 시 GPS 켜기</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>레벨 측정</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>정밀 위치 탐지</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>장시간 측정</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 센서</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>관로 탐지</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>잘못된 날짜</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>존재하지 않는 날짜입니다. 일 또는 월을 수정하십시오.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>high</source>
        <translation>높음</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>청력 보호</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>활성</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>비활성</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>헤드폰 볼륨 조정</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>최대 볼륨이 제한됩니다.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>경고! 음향 충격 위험이 있습니다.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>절전</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>전원 끄기</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>초기 상태로 재설정</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>초기 상태로 재설정합니다.
모든 설정(언어,
페어링된 Bluetooth 장치 등)이 초기화됩니다.
저장된 측정은 삭제되지 않습니다.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>모든 설정을 재설정하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>즐겨찾기 키</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>음소거 키 모드</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>토글식</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>푸시식</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>미드웨이 제도</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>하와이</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>알래스카</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>태평양</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>애리조나</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>시카고</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>뉴욕</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>마나우스</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>뉴펀들랜드</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>그린란드</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>중부 대서양</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>아조레스</translation>
    </message>
    <message>
        <source>London</source>
        <translation>런던</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>베를린</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>카이로</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>모스크바</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>테헤란</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>아부다비</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>카불</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>이슬라마바드</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>뉴델리</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>카트만두</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>노보시비르스크</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>양곤</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>방콕</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>홍콩</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>도쿄</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>다윈</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>시드니</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>마가단</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>피지</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>표준시</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>서머타임/표준시 전환</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>시스템 정보</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>제조일</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>Bluetooth ID Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>Bluetooth ID Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug 활성</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS 정보</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>위성</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>위성 정보</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>대지 속도</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>고도</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>거리 측정</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>기준 위치</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>현재 위치</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>거리</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>위치 표기 전환</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>위치 표시</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>NMEA 데이터 표시</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>기준 위치 설정</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>모니터링 중지</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>모니터링 시작</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>데이터 삭제</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>페어링 모드를 켜고
검색 버튼을 누르십시오 ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>검색 중</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>장치를 찾을 수 없습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>페어링할 장치 선택</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>장치 페어링 중</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>페어링 실패.
다시 시도하십시오.</translation>
    </message>
</context>
</TS>
